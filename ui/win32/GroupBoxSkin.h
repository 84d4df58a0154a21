#pragma once
// A group box painted in its own colours: the fill inside the frame, the frame line, and the
// caption on a gap in the top line. The strip above the frame takes the colours of what the frame
// stands on.
#include <windows.h>

#include <string_view>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

class GroupBoxSkin {
  public:
    explicit GroupBoxSkin(const GroupColours& colours) : m_colours(colours) {}

    // True when the colours changed.
    bool SetColours(const GroupColours& colours);

    // The fill a control inside the frame sits on (a shared brush).
    COLORREF Back() const { return m_colours.back; }
    HBRUSH BackBrush() const;

    void Paint(HDC dc, const RECT& box, std::wstring_view caption, HFONT font, HBRUSH above) const;

    // Where the caption sits on the top line, for dc with font selected.
    static RECT CaptionPlace(HDC dc, const RECT& box, std::wstring_view caption);

  private:
    GroupColours m_colours;
};

}  // namespace mdvr::ui::win32
