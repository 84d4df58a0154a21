// How long the configuration window takes under this machine's Windows (wine): opening it with
// page 1 loaded, making each page the first time it is selected, switching to each page again
// from the cache, and reopening after a close. Each of five runs (fewer when the machine is too
// slow to fit them in a minute) is a fresh process, so the first open is a module's first; the
// medians are printed with the time per phase. The figures are reported, not judged: the result
// line counts only the checks that the window behaved.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "Check.h"
#include "HostFolder.h"
#include "HostWindow.h"
#include "PlainTwin.h"
#include "frame/CPageFactory.h"
#include "mdvr808.h"
#include "text/CodePage.h"
#include "ui/PhaseClock.h"

namespace mdvr::wintest {
namespace {

using ui::Phase;
using ui::PhaseClock;
using Sample = PhaseClock::Sample;
using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
// The wine runner ends a test after two minutes: on a loaded machine fewer runs keep well inside.
constexpr std::chrono::seconds kRunsBudget{60};
constexpr int kPageCount = 20;
constexpr int kPageCommandBase = 3000;
constexpr int kSetButton = 1003;
constexpr DWORD kRunTimeoutMs = 60'000;
constexpr wchar_t kOnceFlag[] = L"--once";

struct Target {
    const char* what;
    const char* prefix;  // of the figures it covers; the slowest one counts
    double limitMs;
};

constexpr Target kTargets[] = {
    {"open (page 1 loaded)", "open", 150},
    {"reopen", "reopen", 100},
    {"page first creation", "create:", 50},
    {"switch from cache", "cached:", 10},
};

const uint8_t kStoredList[] = {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 80, 0, 0, 0, 0x56, 4, 0, 0, 0, 10};

int MDVR_CALL AnswerGet(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    std::memcpy(reply->bytes, kStoredList, sizeof kStoredList);
    reply->length = sizeof kStoredList;
    return 1;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

std::wstring ModuleFolder() {
    const std::wstring path = ModulePath();
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// ---- one run (the child process) -----------------------------------------------------------

// Paints whatever is invalid, then handles whatever is queued.
void PaintAndPump(HWND top) {
    RedrawWindow(top, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
}

// The action and the paint it leaves behind, by phase.
template <class Fn>
Sample Measure(HWND top, Fn&& action) {
    PaintAndPump(top);
    PhaseClock::Reset();
    const Clock::time_point start = Clock::now();
    action();
    {
        const PhaseClock::Scope paint(Phase::kPaint);
        PaintAndPump(top);
    }
    return Sample{Clock::now() - start, PhaseClock::Read()};
}

void Emit(const std::string& name, const Sample& sample) {
    std::printf("F %s %lld", name.c_str(), static_cast<long long>(sample.total.count()));
    for (auto phase : sample.phases) std::printf(" %lld", static_cast<long long>(phase.count()));
    std::printf("\n");
}

// Pages whose button shows and that the factory can make, in button order.
std::vector<int> TimedPages(HWND top) {
    std::vector<int> pages;
    for (int page = 1; page <= kPageCount; ++page) {
        if (Control(top, kPageCommandBase + page) != nullptr && CPageFactory::Instance().Make(page))
            pages.push_back(page);
    }
    return pages;
}

void Open(HWND top) {
    MDVR_DisplayConfig(top, 0);
}

void Close(HWND top) {
    MSG close{top, WM_CLOSE, 0, 0, 0, {}};
    MDVR_DllPreTranslateMessage(reinterpret_cast<MDVR_MSG*>(&close));
    PaintAndPump(top);
}

// The button is found first: the host's search of the window tree is not the plug-in's time.
Sample Click(HWND top, int page) {
    HWND button = Control(top, kPageCommandBase + page);
    return Measure(top, [&] { SendMessageW(button, BM_CLICK, 0, 0); });
}

// Each page's twin made and shown, then shown again after another twin: the same work as the
// page's first creation and its switch from the cache, done by the platform alone.
void TimePlainTwins(HWND top, const std::vector<int>& pages) {
    HWND host = CreateHostWindow(L"MdvrPlainTwinHost");
    HWND previous = nullptr;
    for (int page : pages) {
        Click(top, page);
        HWND shown = ShownPage(top);
        CHECK(shown != nullptr);
        if (shown == nullptr) continue;
        HWND twin = nullptr;
        const std::string name = std::to_string(page);
        Emit("plainmake:" + name, Measure(host, [&] {
                 twin = MakePlainTwin(shown, host);
                 ShowWindow(twin, SW_SHOW);
             }));
        CHECK(twin != nullptr);
        ShowWindow(twin, SW_HIDE);
        if (previous != nullptr) {
            ShowWindow(previous, SW_SHOW);
            PaintAndPump(host);
            Emit("plain:" + name, Measure(host, [&] {
                     ShowWindow(previous, SW_HIDE);
                     ShowWindow(twin, SW_SHOW);
                 }));
            DestroyWindow(previous);
        }
        previous = twin;
    }
    DestroyWindow(host);
}

// The reopened window's twin, page 1 and the status panel included.
void TimePlainWindow(HWND top) {
    HWND host = CreateHostWindow(L"MdvrPlainWindowHost");
    HWND shown = ShownWindow(top);
    CHECK(shown != nullptr);
    if (shown != nullptr) {
        Emit("reopenplain",
             Measure(host, [&] { ShowWindow(MakePlainTwin(shown, host), SW_SHOW); }));
    }
    DestroyWindow(host);
}

int RunOnce(const std::wstring& folder) {
    PhaseClock::Enable(true);
    MDVR_IsEnableDll(6, 23, 0);
    MDVR_SetLangPath(WideToAnsi(folder + L"zh-CN.ini").c_str());
    MDVR_SetConfigFunctionEx(&AnswerGet, nullptr);
    MDVR_SetDevID(kTimingDevice);
    HWND top = CreateHostWindow(L"MdvrTimingHost");
    Emit("open", Measure(top, [&] { Open(top); }));
    Emit("create:1", PhaseClock::LastLap());  // page 1 is made by the open
    const std::vector<int> pages = TimedPages(top);
    for (int page : pages) {
        if (page == 1) continue;
        Emit("switch:" + std::to_string(page), Click(top, page));
        Emit("create:" + std::to_string(page), PhaseClock::LastLap());
    }
    for (int page : pages) Emit("cached:" + std::to_string(page), Click(top, page));
    TimePlainTwins(top, pages);
    Close(top);
    CHECK(Control(top, kSetButton) == nullptr);
    Emit("reopen", Measure(top, [&] { Open(top); }));
    CHECK(Control(top, kSetButton) != nullptr);
    TimePlainWindow(top);
    Close(top);
    DestroyWindow(top);
    return Summary();
}

// ---- the runs and their medians (the parent) -----------------------------------------------

using Figures = std::map<std::string, std::vector<Sample>>;

std::string RunChild() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return {};
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + ModulePath() + L"\" " + kOnceFlag;
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process) != FALSE;
    CloseHandle(write);
    std::string output;
    char buffer[4096];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
        output.append(buffer, got);
    CloseHandle(read);
    if (!started) return {};
    WaitForSingleObject(process.hProcess, kRunTimeoutMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return output;
}

// "F name total phases..." lines; anything else (the child's check lines) is passed on.
void Collect(const std::string& output, Figures& figures) {
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string tag;
        std::string name;
        long long total = 0;
        fields >> tag >> name >> total;
        if (tag != "F") {
            if (line.find(" 0 failed") == std::string::npos) std::printf("run: %s\n", line.c_str());
            CHECK(line.find("FAIL") == std::string::npos);
            continue;
        }
        Sample sample{std::chrono::nanoseconds(total), {}};
        for (auto& phase : sample.phases) {
            long long value = 0;
            fields >> value;
            phase = std::chrono::nanoseconds(value);
        }
        figures[name].push_back(sample);
    }
}

double Ms(std::chrono::nanoseconds value) {
    return static_cast<double>(value.count()) / 1e6;
}

std::chrono::nanoseconds Median(std::vector<std::chrono::nanoseconds> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Each field's own median, so a phase is not tied to one run.
Sample MedianOf(const std::vector<Sample>& samples) {
    Sample median;
    std::vector<std::chrono::nanoseconds> values;
    for (const Sample& s : samples) values.push_back(s.total);
    median.total = Median(values);
    for (size_t i = 0; i < PhaseClock::kPhases; ++i) {
        values.clear();
        for (const Sample& s : samples) values.push_back(s.phases[i]);
        median.phases[i] = Median(values);
    }
    return median;
}

std::string Label(const std::string& name) {
    const size_t colon = name.find(':');
    if (name == "open") return "open (page 1 loaded)";
    if (name == "reopenplain") return "reopen plain twin";
    if (colon == std::string::npos) return name;
    const std::string kind = name.substr(0, colon);
    const std::string page = "page " + name.substr(colon + 1);
    if (kind == "create") return page + " first creation";
    if (kind == "switch") return page + " first switch";
    if (kind == "plainmake") return page + " plain twin creation";
    if (kind == "plain") return page + " plain twin switch";
    return page + " from cache";
}

// Figures in the order of a run: open, then per page, then reopen and its twin.
int Rank(const std::string& name) {
    constexpr const char* kOrder[] = {
        "open", "create:", "switch:", "cached:", "plainmake:", "plain:", "reopen"};
    const auto it = std::find_if(std::begin(kOrder), std::end(kOrder),
                                 [&](const char* kind) { return name.rfind(kind, 0) == 0; });
    return static_cast<int>(it - std::begin(kOrder));
}

int PageOf(const std::string& name) {
    const size_t colon = name.find(':');
    return colon == std::string::npos ? 0 : std::atoi(name.c_str() + colon + 1);
}

void PrintFigures(const Figures& figures, int runs) {
    std::vector<std::string> names;
    for (const auto& [name, samples] : figures) names.push_back(name);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::tuple(Rank(a), PageOf(a), a) < std::tuple(Rank(b), PageOf(b), b);
    });
    std::printf("window timing, median of %d runs, ms:\n%-28s %8s", runs, "", "total");
    for (size_t i = 0; i < PhaseClock::kPhases; ++i)
        std::printf(" %8s", PhaseClock::Name(static_cast<Phase>(i)));
    std::printf(" %8s\n", "other");
    for (const std::string& name : names) {
        const Sample m = MedianOf(figures.at(name));
        std::chrono::nanoseconds rest = m.total;
        std::printf("%-28s %8.1f", Label(name).c_str(), Ms(m.total));
        for (auto phase : m.phases) {
            std::printf(" %8.1f", Ms(phase));
            rest -= phase;
        }
        std::printf(" %8.1f\n", Ms(std::max(rest, std::chrono::nanoseconds(0))));
    }
}

// "open" and "reopen" name one figure, "create:" and "cached:" one per page.
bool Covers(const Target& target, const std::string& name) {
    const std::string_view prefix = target.prefix;
    return prefix.back() == ':' ? name.rfind(prefix, 0) == 0 : name == prefix;
}

void PrintTargets(const Figures& figures) {
    for (const Target& target : kTargets) {
        double worst = -1;
        for (const auto& [name, samples] : figures) {
            if (Covers(target, name)) worst = std::max(worst, Ms(MedianOf(samples).total));
        }
        if (worst < 0) continue;
        std::printf("target %-22s %7.1f ms < %5.0f ms: %s\n", target.what, worst, target.limitMs,
                    worst < target.limitMs ? "met" : "MISSED");
    }
}

int RunAll(const std::wstring& folder) {
    CHECK(WriteHostFolder(folder, ModuleFolder() + L"zh-CN.ini"));
    SetEnvironmentVariableW(L"MDVR_APP_PATH", folder.c_str());
    Figures figures;
    const Clock::time_point start = Clock::now();
    int runs = 0;
    while (runs < kRuns) {
        const Clock::time_point before = Clock::now();
        Collect(RunChild(), figures);
        ++runs;
        const Clock::time_point now = Clock::now();
        if (now - start + (now - before) > kRunsBudget) break;  // the next run would not fit
    }
    CHECK(figures["open"].size() == static_cast<size_t>(runs));
    CHECK(figures["reopen"].size() == static_cast<size_t>(runs));
    if (!figures["open"].empty()) {
        PrintFigures(figures, runs);
        PrintTargets(figures);
    }
    return Summary();
}

}  // namespace
}  // namespace mdvr::wintest

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = mdvr::wintest::ModuleFolder() + L"timing-host\\";
    if (argc > 1 && std::wstring(argv[1]) == mdvr::wintest::kOnceFlag)
        return mdvr::wintest::RunOnce(folder);
    return mdvr::wintest::RunAll(folder);
}
