// The host's callbacks answered by terminals over a JT/T 808 link on loopback: the terminals
// run on a thread of their own, serving terminal files as mdvr-terminal does.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>

#include "InstalledCallbacks.h"
#include "TerminalSwarm.h"
#include "support/ScratchDir.h"
#include "text/CodePage.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/Jt808Link.h"
#include "tools/mdvr-terminal/TerminalFile.h"

namespace mdvr::refhost {
namespace {

using namespace std::chrono_literals;
using jt808::TerminalSide;
using jt808::Version;
using test::g_installed;

std::string LongFile(int devId) {
    std::string text =
        "online yes\n0x0001 u32 30\n0x0055 u32 60\n0x0083 text 粤A" + std::to_string(devId) + "\n";
    for (const char* id : {"0xF000", "0xF001", "0xF002", "0xF003"}) {  // a reply in sub-packets
        text.append(id).append(" hex");
        for (int i = 0; i < 100; ++i) text += " 7E";
        text += '\n';
    }
    return text;
}

class LiveLinkTest : public ::testing::TestWithParam<Version> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SetAnsiCharset("GBK"));
        for (int devId : {1001, 1002, 1003}) test::WriteFileText(FileOf(devId), LongFile(devId));
        m_host.Install(test::CapturingExports());
        m_host.SetTargets({1001, 1002, 1003, 1004});
    }

    std::filesystem::path FileOf(int devId) const {
        return m_dir.Path() / (std::to_string(devId) + ".terminal");
    }
    std::string Read(int devId) const { return test::ReadFileText(FileOf(devId)); }
    void Connect(std::initializer_list<std::pair<int, TerminalSide::Fault>> devices) {
        for (auto [devId, fault] : devices) {
            m_stores.push_back(std::make_unique<TerminalStore>(TerminalStore::Load(FileOf(devId))));
            const TerminalSide::Options options{.phone = std::to_string(devId),
                                                .version = GetParam(),
                                                .heartbeat = 1000ms,
                                                .chunk = 300,
                                                .fault = fault};
            m_terminals.Add(options, ServeFile(*m_stores.back()), m_link.Port());
        }
        m_terminals.Run();
        ASSERT_EQ(m_link.AwaitTerminals(devices.size(), 5s), devices.size());
    }
    int Get(int devId) {
        m_host.SetDevice(devId);
        MDVR_ParamBuffer request{}, reply{};
        return g_installed.get(MDVR_CMD_GET_ALL, &request, &reply, g_installed.user);
    }

    test::ScratchDir m_dir{"live_link"};
    std::ostringstream m_out;
    Jt808Link m_link{{asio::ip::address_v4::loopback(), 0}, {1001, 1002, 1003, 1004}, m_out};
    CallbackHost m_host{m_link, m_out, 500ms, 100ms};
    std::vector<std::unique_ptr<TerminalStore>> m_stores;
    test::TerminalSwarm m_terminals;  // stops before the link and the stores go
};

const std::vector<uint8_t> kSpeed50{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 50};

// The "done / total" counts of the progress lines, in the order printed.
std::vector<int> ProgressCounts(const std::string& out, int total) {
    const std::regex line(R"(  \.\.\. (\d+) / )" + std::to_string(total) +
                          R"( terminal\(s\) done)");
    std::vector<int> counts;
    for (std::sregex_iterator it(out.begin(), out.end(), line), end; it != end; ++it) {
        counts.push_back(std::stoi((*it)[1]));
    }
    return counts;
}

TEST_P(LiveLinkTest, MultiSetReportsEveryTerminalAndItsProgress) {
    Connect({{1001, TerminalSide::Fault::None},
             {1002, TerminalSide::Fault::Drop},
             {1003, TerminalSide::Fault::DisconnectMidReply}});
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(g_installed.MultiSet(kSpeed50), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);  // one time-out for all, no hang
    const std::string out = m_out.str();
    for (const char* line :
         {"[save] device 1001: the terminal saved it",
          "[save] device 1002: failed, no answer within 500 ms",
          "[save] device 1003: failed, disconnected", "[save] device 1004: failed, not connected",
          "[multi-set] 1 of 4 device(s) saved"}) {
        EXPECT_NE(out.find(line), std::string::npos) << line << '\n' << out;
    }
    EXPECT_NE(Read(1001).find("0x0055 u32 50"), std::string::npos);
    // While 1002 keeps the save waiting, the console counts the three that are done.
    const std::vector<int> counts = ProgressCounts(out, 4);
    ASSERT_GE(counts.size(), 2u) << out;
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end())) << out;
    EXPECT_EQ(counts.back(), 3) << out;
    EXPECT_LT(out.rfind(" terminal(s) done"), out.find("[save] device 1001")) << out;
}

TEST_P(LiveLinkTest, AFaultyTerminalFailsItsCallbackWithinTheTimeOut) {
    Connect({{1001, TerminalSide::Fault::Corrupt},
             {1002, TerminalSide::Fault::LosePacket},  // the reply's last sub-packet never comes
             {1003, TerminalSide::Fault::None}});
    for (int devId : {1001, 1002}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Get(devId), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
        const std::string line = "[get] device " + std::to_string(devId) + ": no answer";
        EXPECT_NE(m_out.str().find(line + " within 500 ms"), std::string::npos) << m_out.str();
        EXPECT_EQ(Get(1003), 1);  // the other terminal's session is undisturbed
    }
}

INSTANTIATE_TEST_SUITE_P(BothHeaders, LiveLinkTest,
                         ::testing::Values(Version::V2013, Version::V2019), [](const auto& info) {
                             return info.param == Version::V2013 ? "v2013" : "v2019";
                         });

TEST(LiveLinkScale, AMultiSetReachesAThousandTerminals) {
    constexpr int kCount = 1000;
    std::set<int> devIds;
    for (int devId = 1; devId <= kCount; ++devId) devIds.insert(devId);
    std::ostringstream out;
    Jt808Link link({asio::ip::address_v4::loopback(), 0}, devIds, out);
    test::TerminalSwarm swarm(kCount, link.Port(), Version::V2019);
    ASSERT_EQ(link.AwaitTerminals(kCount, 30s), size_t{kCount}) << out.str();

    CallbackHost host(link, out, 30s);
    host.Install(test::CapturingExports());
    host.SetTargets({devIds.begin(), devIds.end()});
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(g_installed.MultiSet(kSpeed50), 1);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_NE(out.str().find("[multi-set] 1000 of 1000 device(s) saved"), std::string::npos);
    EXPECT_EQ(swarm.Applied(), kCount);
    std::cout << "multi-set to " << kCount << " terminals: "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms\n";
}

}  // namespace
}  // namespace mdvr::refhost
