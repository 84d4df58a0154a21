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
#include "HostWindow.h"
#include "mdvr808.h"

namespace {

using Bytes = std::vector<uint8_t>;
using mdvr::wintest::Control;
using mdvr::wintest::Pump;
using mdvr::wintest::Text;

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
    HWND top = mdvr::wintest::CreateHostWindow(L"MdvrE2eHost");
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
    mdvr::wintest::SaveBitmap(top, std::wstring(shot, shot + std::strlen(shot)));

    MSG close{top, WM_CLOSE, 0, 0, 0, {}};
    Export<decltype(&MDVR_DllPreTranslateMessage)>(module, "MDVR_DllPreTranslateMessage")(&close);
    CHECK(Control(top, kSetButton) == nullptr);
    DestroyWindow(top);
    FreeLibrary(module);
    return mdvr::wintest::Summary();
}
