// Every page the page table can make: visiting each from the cache inside the main window, and
// the heap allocations of one decode and encode of a full list per page.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>

#include "frame/CDlgMain.h"
#include "frame/PageTable.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamExchange.h"
#include "support/AllocationCounter.h"
#include "ui/headless/HeadlessBackend.h"

namespace mdvr {
namespace {

// Vendor IDs the pages read, then 0x0001 upwards, four bytes each, as far as the list holds:
// decoding touches every row that has an item.
std::vector<uint8_t> FullList() {
    std::vector<uint8_t> list{0};
    auto add = [&list](uint32_t id) {
        const uint8_t item[] = {static_cast<uint8_t>(id >> 24), static_cast<uint8_t>(id >> 16),
                                static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id), 4, 0, 0,
                                0, 7};
        if (list.size() + sizeof item >= MDVR_FETCH_CAPACITY || list[0] == 255) return;
        list.insert(list.end(), std::begin(item), std::end(item));
        ++list[0];
    };
    for (uint32_t id : {0xF700u, 0xF800u, 0xF801u, 0xF802u, 0xF003u, 0xF004u}) add(id);
    for (uint32_t id = 0x0001; id <= 0x00FF; ++id) add(id);
    return list;
}

int MDVR_CALL AnswerGet(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    static const std::vector<uint8_t> list = FullList();
    std::copy(list.begin(), list.end(), reply->bytes);
    reply->length = static_cast<uint32_t>(list.size());
    return 1;
}

ui::HostWindow& Host() {
    TheHostCallbacks().getFunc = &AnswerGet;
    return ui::HeadlessBackend::Instance().CreateHostWindow({0, 0, 1000, 670});
}

// Pages offered to every device with a factory of their own, so each visit is a real page.
void BM_VisitEveryPageFromCache(benchmark::State& state) {
    CDlgMain main;
    main.CreateInNative(&Host());
    std::vector<int> commands;
    for (const PageInfo& page : PageTable()) {
        if (page.make != nullptr) commands.push_back(CDlgMain::kPageCommandBase + page.number);
    }
    for (int command : commands) main.SelectPage(command, false);  // first creation
    for (auto _ : state) {
        for (int command : commands) main.SelectPage(command, false);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(commands.size()));
    state.counters["pages"] = static_cast<double>(commands.size());
}
BENCHMARK(BM_VisitEveryPageFromCache)->Unit(benchmark::kMicrosecond);

// One page decoding the full list, validating and encoding every group; "allocs" counts
// operator new per round.
void BM_PageDecodeEncode(benchmark::State& state, int number) {
    std::unique_ptr<CDlgCfgBase> page = FindPage(number)->make();
    page->CreateInNative(&Host());
    const std::vector<uint8_t> list = FullList();
    std::vector<uint8_t> out(MDVR_SAVE_CAPACITY);
    uint32_t length = 0;
    uint64_t allocations = 0;
    for (auto _ : state) {
        const uint64_t before = test::AllocationCount();
        ParseParamList(*page, list.data(), static_cast<uint32_t>(list.size()));
        page->ValidateInput();  // takes the controls' values as a save does
        page->BuildParamList(out, &length);
        allocations = test::AllocationCount() - before;
    }
    state.counters["allocs"] = static_cast<double>(allocations);
    state.counters["bytes"] = length;
}

const bool kRegistered = [] {
    for (const PageInfo& page : PageTable()) {
        if (page.make == nullptr) continue;
        const std::string name = "BM_PageDecodeEncode/page-" + std::to_string(page.number);
        benchmark::RegisterBenchmark(name.c_str(), BM_PageDecodeEncode, page.number)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
}  // namespace mdvr
