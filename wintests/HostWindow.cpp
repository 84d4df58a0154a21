#include "HostWindow.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

namespace mdvr::wintest {

HWND CreateHostWindow(const wchar_t* className) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    RECT rect{0, 0, 1000, 670};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExW(0, className, L"MDVR", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

std::vector<HWND> Windows(HWND parent) {
    std::vector<HWND> found;
    const WNDENUMPROC add = [](HWND hwnd, LPARAM param) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == GetCurrentProcessId())
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
    };
    if (parent == nullptr) EnumWindows(add, reinterpret_cast<LPARAM>(&found));
    if (parent != nullptr) EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND Control(HWND top, int id) {
    for (HWND hwnd : Windows(top)) {
        if (GetDlgCtrlID(hwnd) == id && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

std::wstring Text(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::vector<HWND> Tooltips() {
    std::vector<HWND> tips = Windows(nullptr);
    std::erase_if(tips,
                  [](HWND hwnd) { return lstrcmpiW(ClassOf(hwnd).c_str(), TOOLTIPS_CLASSW); });
    return tips;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void SaveBitmap(HWND hwnd, const std::wstring& path) {
    RECT rect{};
    GetClientRect(hwnd, &rect);
    const int w = rect.right, h = rect.bottom;
    HDC screen = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    std::vector<uint8_t> pixels(stride * static_cast<DWORD>(h));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(h), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), 1, pixels.size(), out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
}

}  // namespace mdvr::wintest
