#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

HINSTANCE ThisModule() {
    static HMODULE module = [] {
        HMODULE handle = nullptr;
        GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&ThisModule), &handle);
        return handle;
    }();
    return module;
}

void InvalidateShown(HWND hwnd) {
    if (hwnd != nullptr && IsWindowVisible(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
}

std::wstring WindowText(HWND hwnd) {
    if (hwnd == nullptr) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

int ToScreen(int value) {
    return ScreenDpi() > 96 ? MulDiv(value, ScreenDpi(), 96) : value;
}

RECT ToScreen(const Rect& rect) {
    return ToRECT(Rect{ToScreen(rect.x), ToScreen(rect.y), ToScreen(rect.w), ToScreen(rect.h)});
}

RECT ToRECT(const Rect& rect) {
    return RECT{rect.x, rect.y, rect.Right(), rect.Bottom()};
}

Rect ToRect(const RECT& rect) {
    return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace mdvr::ui::win32
