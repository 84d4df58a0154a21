#include "tools/mdvr-host/DisplayWindow.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace mdvr::refhost {

#ifdef _WIN32
namespace {

constexpr wchar_t kClassName[] = L"MdvrReferenceHost";

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {  // the loop hands the close to the plug-in, then we destroy
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND CreateTopLevel(int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);
    RECT rect{0, 0, width, height};
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    AdjustWindowRect(&rect, style, FALSE);
    return CreateWindowExW(0, kClassName, L"mdvr-host", style, CW_USEDEFAULT, CW_USEDEFAULT,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

}  // namespace

DisplayWindow::DisplayWindow(int width, int height) : m_native(CreateTopLevel(width, height)) {}

DisplayWindow::~DisplayWindow() {
    if (IsWindow(static_cast<HWND>(m_native))) DestroyWindow(static_cast<HWND>(m_native));
}

MDVR_HWND DisplayWindow::Handle() {
    return m_native;
}

void DisplayWindow::RunUntilClosed(const PluginExports& plugin) {
    ShowWindow(static_cast<HWND>(m_native), SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (plugin.DllPreTranslateMessage(&msg) != 0) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    MSG close{};
    close.hwnd = static_cast<HWND>(m_native);
    close.message = WM_CLOSE;
    plugin.DllPreTranslateMessage(&close);
}
#else
DisplayWindow::DisplayWindow(int width, int height) {
    m_bridge.window.rect = ui::Rect{0, 0, width, height};
}

DisplayWindow::~DisplayWindow() = default;

MDVR_HWND DisplayWindow::Handle() {
    return &m_bridge;
}

void DisplayWindow::RunUntilClosed(const PluginExports& /*plugin*/) {}
#endif

}  // namespace mdvr::refhost
