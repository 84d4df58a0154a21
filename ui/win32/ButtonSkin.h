#pragma once
// An owner-drawn push button's look: the theme images per state when they load, else a flat
// face in the dialog's colours; the caption in its own normal and hover colours once set.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/win32/ImageBitmap.h"

namespace mdvr::ui::win32 {

class ButtonSkin {
  public:
    enum State { kNormal, kHover, kPressed, kDisabled, kStateCount };

    // Each state's picture is decoded when that state is first drawn: most buttons never show
    // their pressed or disabled look.
    void Load(const std::array<std::wstring_view, kStateCount>& files);
    void SetTextColours(COLORREF normal, COLORREF hover) { m_textColours = {normal, hover}; }
    // Paints the item; hover comes from the caller, which tracks the pointer.
    void Draw(const DRAWITEMSTRUCT& item, bool hover, COLORREF face, COLORREF text) const;

  private:
    static State StateOf(const DRAWITEMSTRUCT& item, bool hover);
    static void DrawFlat(HDC dc, const RECT& rect, State state, COLORREF face);

    COLORREF CaptionColour(State state, COLORREF fallback) const;
    const ImageBitmap* Image(State state) const;

    struct Picture {
        std::wstring file;  // empty: drawn flat
        std::shared_ptr<const ImageBitmap> image;
        bool decoded = false;
    };
    mutable std::array<Picture, kStateCount> m_pictures;
    std::optional<std::array<COLORREF, 2>> m_textColours;  // normal, hover
};

}  // namespace mdvr::ui::win32
