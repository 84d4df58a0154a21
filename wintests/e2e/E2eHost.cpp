// A small Windows host that knows the plug-in only through LoadLibrary and GetProcAddress: it
// opens the configuration window inside its own top-level window, routes its message loop through
// MDVR_DllPreTranslateMessage, clicks group boxes with the mouse, moves through page 1 with keys,
// edits one field, presses the set button and checks the list the set callback received, byte
// for byte, and closes the window from inside a callback. It saves a picture of the window (BMP)
// for the build tree.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Check.h"
#include "HostWindow.h"
#include "mdvr808.h"

namespace {

using Bytes = std::vector<uint8_t>;
using mdvr::wintest::Control;
using mdvr::wintest::Text;

// Max speed 0x0055 = 80 km/h and the overspeed duration 0x0056 = 10 s.
const Bytes kStoredList = {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 80, 0, 0, 0, 0x56, 4, 0, 0, 0, 10};
constexpr int kGetButton = 1002;
constexpr int kSetButton = 1003;
constexpr int kSelectAll = 4304;
constexpr int kFirstGroupBox = 4259;
constexpr int kFirstEdit = 4360;
constexpr int kSecondEdit = 4361;
constexpr int kMaxSpeedEdit = 4365;

decltype(&MDVR_DllPreTranslateMessage) g_preTranslate = nullptr;
HWND g_top = nullptr;
int g_gets = 0;
bool g_closeInsideGet = false;  // the host pumps a WM_CLOSE while it waits for the terminal
std::vector<Bytes> g_sets;

int MDVR_CALL Get(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    ++g_gets;
    if (g_closeInsideGet) {
        g_closeInsideGet = false;
        MSG close{g_top, WM_CLOSE, 0, 0, 0, {}};
        g_preTranslate(&close);
    }
    std::memcpy(reply->bytes, kStoredList.data(), kStoredList.size());
    reply->length = static_cast<uint32_t>(kStoredList.size());
    return 1;
}

int MDVR_CALL Set(int, MDVR_ParamBufferSmall* request, MDVR_ParamBufferSmall*, void*) {
    g_sets.emplace_back(request->bytes, request->bytes + request->length);
    return 1;
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

// As a fleet client's loop does: the plug-in sees every message first.
void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (g_preTranslate(&msg) != 0) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Lets the X server's input events arrive as window messages.
void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        Pump();
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

void MouseClick(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos(rect.left + 6, (rect.top + rect.bottom) / 2);
    PumpFor(100);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    PumpFor(200);
}

void PressKey(UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0);
    Pump();
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

bool Enabled(HWND top, int id) {
    return IsWindowEnabled(Control(top, id)) != FALSE;
}

// The group boxes keep their own check state; a click (BM_CLICK, or the mouse) must still reach
// the page, which switches the group's edit with it.
void TestGroupBoxClicks(HWND top) {
    HWND box = Control(top, kFirstGroupBox);
    SendMessageW(box, BM_CLICK, 0, 0);
    Pump();
    CHECK(SendMessageW(box, BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    CHECK(!Enabled(top, kFirstEdit));
    MouseClick(box);
    CHECK(SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
    CHECK(Enabled(top, kFirstEdit));
    SendMessageW(Control(top, kSelectAll), BM_CLICK, 0, 0);
    Pump();
    CHECK(!Enabled(top, kFirstEdit) && !Enabled(top, kSecondEdit));
    MouseClick(Control(top, kSelectAll));
    CHECK(Enabled(top, kFirstEdit) && Enabled(top, kSecondEdit));
}

// Row 0 is edit, "..." button (group boxes are no tab stops): two tabs to the next edit.
void TestDialogKeys(HWND top) {
    SetFocus(Control(top, kFirstEdit));
    for (int i = 0; i < 2; ++i) PressKey(VK_TAB, false);
    CHECK(GetFocus() == Control(top, kSecondEdit));
    for (int i = 0; i < 2; ++i) PressKey(VK_TAB, true);
    CHECK(GetFocus() == Control(top, kFirstEdit));
    MSG elsewhere{top, WM_KEYDOWN, VK_TAB, 0, 0, {}};  // the host's own window
    CHECK(g_preTranslate(&elsewhere) == 0);
    CHECK(GetFocus() == Control(top, kFirstEdit));
}

// A WM_CLOSE pumped from inside the get callback, while the window is created and while its get
// button runs: the window goes once the plug-in's call returns, and the host does not crash.
void TestCloseInsideCallback(HWND top, decltype(&MDVR_DisplayConfig) display) {
    g_closeInsideGet = true;
    SendMessageW(Control(top, kGetButton), BM_CLICK, 0, 0);
    CHECK(Control(top, kGetButton) == nullptr);
    g_closeInsideGet = true;
    display(top, 0);
    CHECK(Control(top, kGetButton) == nullptr);
    display(top, 0);
    CHECK(Control(top, kGetButton) != nullptr);
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
    g_preTranslate =
        Export<decltype(&MDVR_DllPreTranslateMessage)>(module, "MDVR_DllPreTranslateMessage");
    const auto display = Export<decltype(&MDVR_DisplayConfig)>(module, "MDVR_DisplayConfig");
    HWND top = mdvr::wintest::CreateHostWindow(L"MdvrE2eHost");
    g_top = top;
    CHECK(display(top, 0) == 0);
    Pump();
    CHECK(g_gets == 1);
    TestGroupBoxClicks(top);
    TestDialogKeys(top);

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
    mdvr::wintest::SaveBitmap(top, std::wstring(shot, shot + std::strlen(shot)));

    TestCloseInsideCallback(top, display);
    MSG close{top, WM_CLOSE, 0, 0, 0, {}};
    g_preTranslate(&close);
    CHECK(Control(top, kSetButton) == nullptr);
    DestroyWindow(top);
    FreeLibrary(module);
    return mdvr::wintest::Summary();
}
