// The main window on the headless backend: opening it, and switching pages from the cache.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

#include "pages/CDlgFirstPage.h"
#include "frame/CDlgMain.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "ui/headless/HeadlessBackend.h"

namespace mdvr {
namespace {

constexpr uint8_t kList[] = {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 80, 0, 0, 0, 0x56, 4, 0, 0, 0, 10};

int MDVR_CALL AnswerGet(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    std::copy(std::begin(kList), std::end(kList), reply->bytes);
    reply->length = sizeof kList;
    return 1;
}

uint32_t g_tick = 0;
uint32_t NextTick() {
    return ++g_tick;
}

ui::HostWindow& Prepare() {
    TheHostCallbacks().getFunc = &AnswerGet;
    TheDeviceProfile().devType = 6;
    SetTickSource(&NextTick);
    return ui::HeadlessBackend::Instance().CreateHostWindow({0, 0, 1000, 670});
}

// Twenty page buttons, the status panel, page 1 created and loaded, then destroyed.
void BM_OpenMainWindow(benchmark::State& state) {
    ui::HostWindow& host = Prepare();
    for (auto _ : state) {
        CDlgMain main;
        main.CreateInNative(&host);
        benchmark::DoNotOptimize(main.Page(1));
    }
}
BENCHMARK(BM_OpenMainWindow)->Unit(benchmark::kMicrosecond);

// Page 2 is a second first page here. Both took the cached list already, so a switch hides one
// page, shows the other and finds nothing new to parse.
void BM_SwitchPagesFromCache(benchmark::State& state) {
    ui::HostWindow& host = Prepare();
    CPageFactory factory;
    factory.Register(2, [] { return std::make_unique<CDlgFirstPage>(); });
    CDlgMain main(factory);
    main.CreateInNative(&host);
    main.SelectPage(CDlgMain::kPageCommandBase + 2, false);
    int page = 1;
    for (auto _ : state) {
        main.SelectPage(CDlgMain::kPageCommandBase + page, false);
        page = 3 - page;
    }
}
BENCHMARK(BM_SwitchPagesFromCache)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mdvr
