// Every page the plug-in offers, in the real window: the demo devices' pages selected in turn,
// loaded from the device's terminal, a numeric field edited, saved, and a picture of the window
// written as page-NN.bmp. Message tips a page raises are answered so the run never waits.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Check.h"
#include "HostWindow.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/FileLink.h"
#include "tools/mdvr-host/PluginModule.h"
#include "tools/mdvr-host/TerminalFleet.h"

namespace {

namespace fs = std::filesystem;
using mdvr::refhost::CallbackHost;
using mdvr::refhost::FileLink;
using mdvr::refhost::PluginModule;
using mdvr::refhost::TerminalFleet;
using mdvr::wintest::ClassOf;
using mdvr::wintest::Control;
using mdvr::wintest::Pump;
using mdvr::wintest::Windows;

constexpr int kSetButton = 1003;
constexpr int kFirstPageButton = 3001;
constexpr int kChannelPage = 13;
constexpr int kFirstChannelEditor = 4145;  // the first channel record's editor button
constexpr int kEditorKeyFrameEdit = 1010;  // the real-time stream's key-frame interval
constexpr int kPages = 20;
// Between them the demo devices offer every page.
constexpr int kDevices[] = {1001, 1002, 1003};

std::atomic<bool> g_running{true};
std::atomic<int> g_tips{0};

// The first digits-only field the user can reach on the shown page.
HWND FirstNumberField(HWND top) {
    for (HWND hwnd : Windows(top)) {
        if (_wcsicmp(ClassOf(hwnd).c_str(), L"Edit") == 0 &&
            (GetWindowLongW(hwnd, GWL_STYLE) & ES_NUMBER) && IsWindowVisible(hwnd) &&
            IsWindowEnabled(hwnd)) {
            return hwnd;
        }
    }
    return nullptr;
}

// Visible dialogs inside the host window: the main window, the status panel and the shown page.
int VisibleDialogs(HWND top) {
    int count = 0;
    for (HWND hwnd : Windows(top)) count += ClassOf(hwnd) == L"#32770" && IsWindowVisible(hwnd);
    return count;
}

// Selects the page, edits and saves it, and writes its picture; false when the plug-in has no
// such page yet.
bool ShootPage(HWND top, int page, const fs::path& folder, const std::ostringstream& log) {
    SendMessageW(Control(top, kFirstPageButton - 1 + page), BM_CLICK, 0, 0);
    Pump();
    if (VisibleDialogs(top) < 3) return false;
    if (HWND field = FirstNumberField(top)) SetWindowTextW(field, L"1");
    const size_t before = log.str().size();
    const int tipsBefore = g_tips;
    SendMessageW(Control(top, kSetButton), BM_CLICK, 0, 0);
    Pump();
    // A save reaches the terminal, or a page rule says why not.
    const bool answered = log.str().find("[set]", before) != std::string::npos;
    CHECK(answered || g_tips > tipsBefore);
    if (!answered && g_tips == tipsBefore) std::printf("page %d: nothing saved, no tip\n", page);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    wchar_t name[32];
    std::swprintf(name, 32, L"page-%02d.bmp", page);
    mdvr::wintest::SaveBitmap(top, (folder / name).wstring());
    return true;
}

// The channel editor's pop-up: owned by the host window, titled with its channel.
HWND FindChannelEditor(HWND top) {
    for (HWND hwnd : Windows(nullptr)) {
        if (IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == top &&
            mdvr::wintest::Text(hwnd).find(L'=') != std::wstring::npos) {
            return hwnd;
        }
    }
    return nullptr;
}

// The edit's left edge stands out from what lies beside it: its frame was painted.
bool HasBorder(HWND popup, int id) {
    RECT edit{};
    GetWindowRect(mdvr::wintest::Control(popup, id), &edit);
    MapWindowPoints(nullptr, popup, reinterpret_cast<POINT*>(&edit), 2);
    HDC dc = GetDC(popup);
    const int y = (edit.top + edit.bottom) / 2;
    const bool drawn = GetPixel(dc, edit.left, y) != GetPixel(dc, edit.left - 3, y);
    ReleaseDC(popup, dc);
    return drawn;
}

// Opens the first channel record in its editor; a helper thread pictures the pop-up while the
// modal loop runs and leaves it with Escape, which closes it at once as nothing was edited.
void ShootChannelEditor(HWND top, const fs::path& folder) {
    HWND button = Control(top, kFirstChannelEditor);
    if (button == nullptr || !IsWindowEnabled(button)) return;
    std::atomic<bool> pictured{false};
    std::thread shooter([&] {
        for (int tries = 0; tries < 50 && !pictured; ++tries) {
            Sleep(100);
            HWND popup = FindChannelEditor(top);
            if (popup == nullptr) continue;
            Sleep(500);  // let it paint
            mdvr::wintest::SaveBitmap(popup, (folder / L"page-13-editor.bmp").wstring());
            CHECK(HasBorder(popup, kEditorKeyFrameEdit));
            pictured = true;
            PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
        }
    });
    SendMessageW(button, BM_CLICK, 0, 0);
    shooter.join();
    CHECK(pictured);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: mdvr_page_shots HOST-FOLDER OUT-FOLDER\n");
        return 2;
    }
    const fs::path hostFolder = fs::absolute(argv[1]);
    const fs::path out = fs::absolute(argv[2]);
    fs::create_directories(out);
    fs::remove_all(out / "terminals");  // saves rewrite them: every run starts from the demo
    fs::copy(hostFolder / "terminals", out / "terminals", fs::copy_options::recursive);
    _wputenv_s(L"MDVR_APP_PATH", (hostFolder / "").c_str());
    _wputenv_s(L"MDVR_ANSI_CHARSET", L"GBK");

    std::thread closer([] {
        for (; g_running; Sleep(100)) {
            for (HWND hwnd : Windows(nullptr)) {
                if (ClassOf(hwnd) != L"#32770" || !IsWindowVisible(hwnd)) continue;
                PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
                ++g_tips;
            }
        }
    });
    std::set<int> shot;
    {
        const fs::path module = fs::path{argv[0]}.parent_path() / "mdvr808.dll";
        PluginModule plugin(module);
        const auto& exports = plugin.Exports();
        TerminalFleet fleet(out / "terminals");
        std::ostringstream log;
        FileLink link(fleet);
        CallbackHost callbacks(link, log);
        callbacks.Install(exports);
        exports.SetLangPath((hostFolder / "lang" / "zh-CN.ini").string().c_str());
        HWND top = mdvr::wintest::CreateHostWindow(L"MdvrPageShots");
        for (int device : kDevices) {
            callbacks.SetDevice(device);
            exports.SetDevID(device);
            if (device == kDevices[0]) CHECK(exports.DisplayConfig(top, 0) == 0);
            if (device != kDevices[0]) exports.DisplayUpdate();
            Pump();
            for (int page = 1; page <= kPages; ++page) {
                if (shot.count(page) || !Control(top, kFirstPageButton - 1 + page)) continue;
                if (ShootPage(top, page, out, log)) shot.insert(page);
                if (page == kChannelPage && shot.count(page)) ShootChannelEditor(top, out);
            }
        }
        MSG close{top, WM_CLOSE, 0, 0, 0, {}};
        exports.DllPreTranslateMessage(&close);
        DestroyWindow(top);
    }
    g_running = false;
    closer.join();
    std::printf("pages pictured:");
    for (int page : shot) std::printf(" %d", page);
    std::printf("\n");
    CHECK(shot.count(1) == 1);
    return mdvr::wintest::Summary();
}
