#include "ui/win32/CheckMark.h"

#include "ui/win32/GdiCache.h"

namespace mdvr::ui::win32 {

namespace {

constexpr int kMarkInset = 3;  // inside the box's own frame

// Asking the platform is a round trip to the window server under wine; the size follows only the
// screen's DPI, which a module sees fixed.
int BoxSize() {
    static const int size = GetSystemMetrics(SM_CXMENUCHECK);
    return size;
}

}  // namespace

LRESULT DrawCheckMark(const NMCUSTOMDRAW& draw, COLORREF colour) {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYPOSTPAINT;
    if (draw.dwDrawStage != CDDS_POSTPAINT) return CDRF_DODEFAULT;
    if (SendMessageW(draw.hdr.hwndFrom, BM_GETCHECK, 0, 0) != BST_CHECKED) return CDRF_DODEFAULT;
    // The box sits at the left, centred vertically, as large as a menu check mark.
    const int box = BoxSize();
    const LONG top = draw.rc.top + (draw.rc.bottom - draw.rc.top - box) / 2;
    const RECT mark{draw.rc.left + kMarkInset, top + kMarkInset, draw.rc.left + box - kMarkInset,
                    top + box - kMarkInset};
    FillRect(draw.hdc, &mark, GdiCache::Instance().Brush(colour));
    return CDRF_DODEFAULT;
}

}  // namespace mdvr::ui::win32
