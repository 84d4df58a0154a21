#pragma once
// A group box painted in its own colours: the fill inside the frame, the frame line, and the
// caption on a gap in the top line. The strip above the frame takes the dialog's colours.
#include <windows.h>

#include "ui/Types.h"

namespace mdvr::ui::win32 {

class GroupBoxSkin {
  public:
    GroupBoxSkin(HWND box, const GroupColours& colours);
    ~GroupBoxSkin();
    GroupBoxSkin(const GroupBoxSkin&) = delete;
    GroupBoxSkin& operator=(const GroupBoxSkin&) = delete;

    void SetColours(const GroupColours& colours);

    // Whether control lies inside the frame, and the fill it then sits on (a shared brush).
    bool Encloses(HWND control) const;
    COLORREF Back() const { return m_colours.back; }
    HBRUSH BackBrush() const;

  private:
    static LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);
    void Paint(HDC dc) const;
    void FillAboveFrame(HDC dc, const RECT& strip) const;

    HWND m_box;
    GroupColours m_colours;
};

}  // namespace mdvr::ui::win32
