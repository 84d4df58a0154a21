// The exchange path: parsing a full fetch buffer, building a save list, and how many heap
// allocations one fetch-parse-save cycle costs (it should be none).
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "host/CLogFile2.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "protocol/ParamExchange.h"
#include "protocol/ParamListWriter.h"
#include "support/AllocationCounter.h"

namespace {

using namespace mdvr;

// 227 four-byte items: 2044 bytes, the largest such list a fetch buffer keeps.
constexpr uint32_t kFullItems = 227;
// 113 four-byte items: 1018 bytes, a full save buffer.
constexpr uint32_t kSaveItems = 113;

uint32_t BuildU32List(std::span<uint8_t> buffer, uint32_t items) {
    ParamListWriter writer(buffer);
    for (uint32_t id = 1; id <= items; ++id) writer.AppendU32(id, id * 7);
    return writer.Finish();
}

class BenchPage : public IParamPage {
  public:
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override {
        ParamListWriter writer(list);
        for (uint32_t id = 1; id < kSaveItems; ++id) writer.AppendU32(id, id);
        writer.AppendText(0x0083, L"TEST-PLATE");
        *length = writer.Finish();
        return !writer.Failed();
    }
    void OnParamsSaved(const uint8_t*, uint32_t) override {}
    void ParseParamItem(uint32_t id, uint8_t, const uint8_t* list, int offset) override {
        m_sum += id + list[offset + 3];
    }
    bool ValidateInput() override { return true; }
    void BuildQueryList(std::span<uint8_t>, uint32_t*) override {}
    void GetBatchKind(uint32_t* kind, uint32_t*) override { *kind = 0x45; }
    uint32_t Sum() const { return m_sum; }

  private:
    uint32_t m_sum = 0;
};

struct BenchHost {
    std::array<uint8_t, MDVR_FETCH_CAPACITY> list{};
    uint32_t length = 0;

    static int MDVR_CALL Get(int, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void* user) {
        const auto* host = static_cast<const BenchHost*>(user);
        std::copy_n(host->list.begin(), host->length, reply->bytes);
        reply->length = host->length;
        return 1;
    }
    static int MDVR_CALL Set(int, MDVR_ParamBufferSmall*, MDVR_ParamBufferSmall*, void*) {
        return 1;
    }
    static int MDVR_CALL MultiSet(MDVR_BatchSetRecord*, MDVR_ParamBuffer*, void*) { return 1; }
};

BenchHost& InstallHost() {
    static BenchHost host;
    host.length = BuildU32List(host.list, kFullItems);
    TheHostCallbacks() = {&BenchHost::Set,      nullptr, &host, &BenchHost::Get, &host,
                          &BenchHost::MultiSet, &host};
    CLogFile2::Instance().SetFile(std::filesystem::temp_directory_path() / "mdvr_bench.log");
    return host;
}

void Cycle(BenchPage& page) {
    const uint8_t* list = nullptr;
    uint32_t length = 0;
    FetchParams(page, list, length, true);
    ParseParamList(page, list, length);
    SaveParams(page, false);
    SaveParams(page, true);
}

void BM_ParseFullList(benchmark::State& state) {
    std::array<uint8_t, MDVR_FETCH_CAPACITY> list{};
    const uint32_t length = BuildU32List(list, kFullItems);
    BenchPage page;
    for (auto _ : state) {
        ParseParamList(page, list.data(), length);
    }
    benchmark::DoNotOptimize(page.Sum());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * length);
}
BENCHMARK(BM_ParseFullList);

void BM_Build1KList(benchmark::State& state) {
    std::array<uint8_t, MDVR_SAVE_CAPACITY> list{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildU32List(list, kSaveItems));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1018);
}
BENCHMARK(BM_Build1KList);

// Fetch (forced, logged), parse, save and multi-save; the counter is heap allocations per cycle.
void BM_ExchangeCycleAllocations(benchmark::State& state) {
    InstallHost();
    BenchPage page;
    Cycle(page);  // opens the log and the code-page converter once
    const uint64_t before = test::AllocationCount();
    for (auto _ : state) {
        Cycle(page);
    }
    const auto allocations = static_cast<double>(test::AllocationCount() - before);
    state.counters["allocs_per_cycle"] =
        allocations / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["allocs_total"] = allocations;
    state.counters["allocs_before"] = static_cast<double>(before);  // proves the counter counts
}
BENCHMARK(BM_ExchangeCycleAllocations);

}  // namespace
