#include "ui/win32/GroupBoxSkin.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/GdiCache.h"
#include "ui/win32/SubclassChain.h"
#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x4742;  // apart from the input translator's kind IDs
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPad = 2;

}  // namespace

GroupBoxSkin::GroupBoxSkin(HWND box, const GroupColours& colours) : m_box(box), m_colours(colours) {
    SubclassChain::Attach(box, BoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    InvalidateShown(box);
}

GroupBoxSkin::~GroupBoxSkin() {
    if (m_box != nullptr) SubclassChain::Detach(m_box, BoxProc, kSubclassId);
}

void GroupBoxSkin::SetColours(const GroupColours& colours) {
    m_colours = colours;
    InvalidateShown(m_box);
}

bool GroupBoxSkin::Encloses(HWND control) const {
    if (m_box == nullptr || control == m_box) return false;
    // The frame's own visibility: a hidden dialog hides frame and control alike.
    if ((GetWindowLongPtrW(m_box, GWL_STYLE) & WS_VISIBLE) == 0) return false;
    RECT frame{};
    RECT item{};
    GetWindowRect(m_box, &frame);
    GetWindowRect(control, &item);
    return item.left >= frame.left && item.right <= frame.right && item.top >= frame.top &&
           item.bottom <= frame.bottom;
}

HBRUSH GroupBoxSkin::BackBrush() const {
    return GdiCache::Instance().Brush(m_colours.back);
}

LRESULT CALLBACK GroupBoxSkin::BoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
    auto* skin = reinterpret_cast<GroupBoxSkin*>(self);
    switch (msg) {
        case WM_ERASEBKGND:
            return TRUE;  // the paint covers everything
        case WM_PRINTCLIENT:
            skin->Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            skin->Paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            skin->m_box = nullptr;
            break;
        default:
            break;
    }
    return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
}

void GroupBoxSkin::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(m_box, &client);
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(m_box, WM_GETFONT, 0, 0)));
    const std::wstring caption = WindowText(m_box);
    SIZE text{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    RECT frame = client;
    frame.top += text.cy / 2;
    FillAboveFrame(dc, RECT{client.left, client.top, client.right, frame.top});
    GdiCache& gdi = GdiCache::Instance();
    FillRect(dc, &frame, gdi.Brush(m_colours.back));
    FrameRect(dc, &frame, gdi.Brush(m_colours.border));
    if (!caption.empty()) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, m_colours.back);
        SetTextColor(dc, m_colours.text);
        RECT place{client.left + kCaptionIndent, client.top,
                   client.left + kCaptionIndent + text.cx + 2 * kCaptionPad, client.top + text.cy};
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place,
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

// Above the frame the dialog's own background shows, as the dialog hands it to statics.
void GroupBoxSkin::FillAboveFrame(HDC dc, const RECT& strip) const {
    HWND parent = GetParent(m_box);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_box)));
    FillRect(dc, &strip, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace mdvr::ui::win32
