#pragma once
// Labels and group frames that their dialog draws itself. Under wine every child window costs the
// window server a round trip each to be made, shown, placed, given its font and text and painted;
// captions take no input, so they need no window. Labels look as the platform's static text does,
// frames as GroupBoxSkin paints them. The dialog keeps clipping its children, so a caption never
// paints over a control, whichever overlaps which.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Types.h"
#include "ui/win32/GroupBoxSkin.h"

namespace mdvr::ui::win32 {

// What a dialog hands a caption to paint on, as it answers WM_CTLCOLORSTATIC.
struct CaptionInk {
    HBRUSH brush = nullptr;
    COLORREF back = 0;
    COLORREF text = 0;
};

class DrawnCaptions {
  public:
    struct Caption {
        int id = 0;
        bool frame = false;  // a group frame, else a label
        RECT place{};        // in the dialog's client area
        std::wstring text;
        HFONT font = nullptr;
        uint32_t style = 0;  // the declared flags
        bool visible = true;
        bool enabled = true;
        GroupBoxSkin skin{GroupColours{}};  // frames only
    };
    // The ink for a caption of that style, on that frame (null: on the dialog's surface).
    using InkFn = std::function<CaptionInk(uint32_t style, const GroupBoxSkin* frame)>;

    // dialog: the handle as the view keeps it, null before creation and after destruction.
    explicit DrawnCaptions(const HWND& dialog) : m_dialog(dialog) {}

    static bool IsCaption(ControlKind kind) {
        return kind == ControlKind::Static || kind == ControlKind::GroupBox;
    }

    bool Add(const ControlDecl& decl, const RECT& place, HFONT font);
    void Remove(int id);
    const Caption* Find(int id) const;
    bool Empty() const { return m_captions.empty(); }

    // Each repaints the caption when something changed; the same state again does nothing.
    void SetText(int id, std::wstring_view text);
    void Show(int id, bool show);
    void Enable(int id, bool enable);
    void Move(int id, const RECT& place);
    void SetFont(int id, HFONT font);
    void SetFonts(HFONT font);
    void SetColours(int id, const GroupColours& colours);
    void Redraw(int id) const;

    // Where a caption's tip answers the pointer: a label's place, a frame's caption, nowhere
    // while it is hidden.
    RECT TipArea(int id) const;
    // The visible frame around place with the lowest ID, apart from the frame self.
    const GroupBoxSkin* FrameAround(const RECT& place, int self) const;

    void Paint(HDC dc, const RECT& dirty, const InkFn& inkOf) const;

  private:
    Caption* Find(int id);
    // Frames repaint what lies inside them too, when their fill moves or changes.
    void Invalidate(const Caption& caption, bool inside) const;

    const HWND& m_dialog;
    std::vector<Caption> m_captions;  // in creation order, the order they are painted in
};

}  // namespace mdvr::ui::win32
