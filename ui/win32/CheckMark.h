#pragma once
// Check boxes whose mark has its own colour: the platform paints the box, then custom draw's
// post-paint stage covers the mark of a checked box with a square in that colour.
#include <windows.h>

#include <commctrl.h>

namespace mdvr::ui::win32 {

// The answer to the check box's NM_CUSTOMDRAW.
LRESULT DrawCheckMark(const NMCUSTOMDRAW& draw, COLORREF colour);

}  // namespace mdvr::ui::win32
