#include "ui/win32/ShadowWindow.h"

#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

constexpr wchar_t kClassName[] = L"MdvrPopupShadow";
constexpr int kOffset = 4;
constexpr BYTE kAlpha = 60;

// The class's procedure is the system's own, so a registration outliving an unloaded DLL is safe.
void RegisterShadowClass() {
    WNDCLASSW wc{};
    if (GetClassInfoW(ThisModule(), kClassName, &wc)) return;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = ThisModule();
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
}

}  // namespace

ShadowWindow::ShadowWindow(HWND target) : m_target(target) {
    RegisterShadowClass();
    m_shadow = CreateWindowExW(
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName,
        nullptr, WS_POPUP, 0, 0, 0, 0, GetWindow(target, GW_OWNER), nullptr, ThisModule(), nullptr);
    if (m_shadow != nullptr) SetLayeredWindowAttributes(m_shadow, 0, kAlpha, LWA_ALPHA);
    Follow();
}

ShadowWindow::~ShadowWindow() {
    if (m_shadow != nullptr) DestroyWindow(m_shadow);
}

void ShadowWindow::Follow() {
    if (m_shadow == nullptr) return;
    if (!IsWindow(m_target) || !IsWindowVisible(m_target)) {
        ShowWindow(m_shadow, SW_HIDE);
        return;
    }
    RECT rect{};
    GetWindowRect(m_target, &rect);
    SetWindowPos(m_shadow, m_target, rect.left + kOffset, rect.top + kOffset,
                 rect.right - rect.left, rect.bottom - rect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace mdvr::ui::win32
