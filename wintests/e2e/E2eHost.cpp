// A small Windows host that knows the plug-in only through LoadLibrary and GetProcAddress: it
// opens the configuration window inside its own top-level window, edits one field of page 1,
// presses the set button and checks the list the set callback received, byte for byte. It saves
// a picture of the window (BMP) for the build tree.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Check.h"
#include "mdvr808.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Max speed 0x0055 = 80 km/h and the overspeed duration 0x0056 = 10 s.
const Bytes kStoredList = {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 80, 0, 0, 0, 0x56, 4, 0, 0, 0, 10};
constexpr int kSetButton = 1003;
constexpr int kMaxSpeedEdit = 4365;

int g_gets = 0;
std::vector<Bytes> g_sets;

int MDVR_CALL Get(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    ++g_gets;
    std::memcpy(reply->bytes, kStoredList.data(), kStoredList.size());
    reply->length = static_cast<uint32_t>(kStoredList.size());
    return 1;
}

int MDVR_CALL Set(int, MDVR_ParamBufferSmall* request, MDVR_ParamBufferSmall*, void*) {
    g_sets.emplace_back(request->bytes, request->bytes + request->length);
    return 1;
}

struct Finder {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND hwnd, LPARAM param) {
    auto* finder = reinterpret_cast<Finder*>(param);
    if (GetDlgCtrlID(hwnd) != finder->id || !IsWindowVisible(hwnd)) return TRUE;
    finder->found = hwnd;
    return FALSE;
}

// The first visible control with that ID anywhere below the host window.
HWND Control(HWND top, int id) {
    Finder finder{id, nullptr};
    EnumChildWindows(top, &FindById, reinterpret_cast<LPARAM>(&finder));
    return finder.found;
}

std::wstring Text(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void SaveBitmap(HWND hwnd, const char* path) {
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
    if (FILE* out = std::fopen(path, "wb")) {
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

template <class Fn>
Fn Export(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The language file is copied beside the programs.
std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

HWND CreateHostWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MdvrE2eHost";
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    RECT rect{0, 0, 1000, 670};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExW(0, wc.lpszClassName, L"MDVR", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const char* shot = argc > 1 ? argv[1] : "e2e_window.bmp";
    const std::string language = argc > 2 ? argv[2] : ModuleFolder() + "zh-CN.ini";
    HMODULE module = LoadLibraryW(L"mdvr808.dll");
    CHECK(module != nullptr);
    if (module == nullptr) return mdvr::wintest::Summary();

    Export<decltype(&MDVR_IsEnableDll)>(module, "MDVR_IsEnableDll")(6, 0, 0);
    Export<decltype(&MDVR_SetLangPath)>(module, "MDVR_SetLangPath")(language.c_str());
    Export<decltype(&MDVR_SetConfigFunction)>(module, "MDVR_SetConfigFunction")(&Set, nullptr,
                                                                                nullptr);
    Export<decltype(&MDVR_SetConfigFunctionEx)>(module, "MDVR_SetConfigFunctionEx")(&Get, nullptr);
    HWND top = CreateHostWindow();
    CHECK(Export<decltype(&MDVR_DisplayConfig)>(module, "MDVR_DisplayConfig")(top, 0) == 0);
    Pump();
    CHECK(g_gets == 1);

    HWND speed = Control(top, kMaxSpeedEdit);
    CHECK(speed != nullptr);
    CHECK_TEXT(Text(speed), L"80");
    // Every group is checked: rows 0-12 without a value send nothing, while the collision and
    // rollover words always go out, their empty edits counting as 0.
    SetWindowTextW(speed, L"120");
    SendMessageW(Control(top, kSetButton), BM_CLICK, 0, 0);
    Pump();
    CHECK(g_sets.size() == 1);
    const Bytes expected = {4, 0,  0, 0, 0x55, 4,    0, 0, 0, 120, 0, 0, 0,    0x56, 4, 0, 0,
                            0, 10, 0, 0, 0,    0x5D, 2, 0, 0, 0,   0, 0, 0x5E, 2,    0, 0};
    if (!g_sets.empty()) CHECK(g_sets[0] == expected);

    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    SaveBitmap(top, shot);

    MSG close{top, WM_CLOSE, 0, 0, 0, {}};
    Export<decltype(&MDVR_DllPreTranslateMessage)>(module, "MDVR_DllPreTranslateMessage")(&close);
    CHECK(Control(top, kSetButton) == nullptr);
    DestroyWindow(top);
    FreeLibrary(module);
    return mdvr::wintest::Summary();
}
