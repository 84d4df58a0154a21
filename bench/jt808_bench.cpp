// The JT/T 808 link: frames decoded per second, a multi-device save to 1000 terminals over
// loopback, and the heap one idle connection costs (both ends).
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <set>
#include <sstream>

#include "tools/InstalledCallbacks.h"
#include "tools/TerminalSwarm.h"
#include "tools/jt808/Frame.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/Jt808Link.h"

namespace {

using namespace mdvr;
using namespace std::chrono_literals;

constexpr int kTerminals = 1000;

// A full 0x0104 packet: the largest frame a terminal sends while being configured.
jt808::Bytes FullPacketContent() {
    jt808::Message m;
    m.header.msgId = 0x0104;
    m.header.version = jt808::Version::V2019;
    m.header.phone = "13900000001";
    m.header.packetTotal = 2;
    m.header.packetIndex = 1;
    for (size_t i = 0; i < jt808::kMaxBody; ++i) m.body.push_back(static_cast<uint8_t>(i * 31));
    const jt808::Bytes frame = jt808::EncodeFrame(m);
    return jt808::Bytes(frame.begin() + 1, frame.end() - 1);
}

void BM_DecodeFullFrame(benchmark::State& state) {
    const jt808::Bytes content = FullPacketContent();
    for (auto _ : state) benchmark::DoNotOptimize(jt808::DecodeFrame(content));
    state.SetItemsProcessed(state.iterations());  // frames per second
}
BENCHMARK(BM_DecodeFullFrame);

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

void BM_MultiSetThousandTerminals(benchmark::State& state) {
    std::set<int> devIds;
    for (int devId = 1; devId <= kTerminals; ++devId) devIds.insert(devId);
    std::ostringstream out;
    refhost::Jt808Link link({asio::ip::address_v4::loopback(), 0}, devIds, out);
    const size_t before = HeapInUse();
    test::TerminalSwarm swarm(kTerminals, link.Port(), jt808::Version::V2013);
    if (link.AwaitTerminals(kTerminals, 30s) != kTerminals) {
        state.SkipWithError("terminals did not connect");
        return;
    }
    const double perConnection = static_cast<double>(HeapInUse() - before) / kTerminals;
    refhost::CallbackHost host(link, out, 30s);
    host.Install(test::CapturingExports());
    host.SetTargets({devIds.begin(), devIds.end()});
    const std::vector<uint8_t> list{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 50};
    for (auto _ : state) {
        if (test::g_installed.MultiSet(list) != 1) state.SkipWithError("the save failed");
        out.str({});
    }
    state.counters["heap_bytes_per_idle_connection"] = perConnection;
}
BENCHMARK(BM_MultiSetThousandTerminals)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
