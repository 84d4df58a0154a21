// The three callbacks as the plug-in calls them, answered from terminal files. How a multi-set
// reports each terminal the live-link test shows.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "InstalledCallbacks.h"
#include "support/ScratchDir.h"
#include "text/CodePage.h"
#include "tools/mdvr-host/CallbackHost.h"
#include "tools/mdvr-host/FileLink.h"

namespace mdvr::refhost {
namespace {

using test::g_installed;

class CallbackHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SetAnsiCharset("GBK"));
        Write(1001, "online yes\n0x0001 u32 30\n0x0055 u32 60\n");
        Write(1002, "online no\n0x0055 u32 80\n");
        Write(1003, "online yes\n0x0055 u32 90\n");
        m_host.Install(test::CapturingExports());
        m_host.SetDevice(1001);
    }

    void Write(int devId, const std::string& text) {
        test::WriteFileText(m_fleet.FileOf(devId), text);
    }
    std::string Read(int devId) const { return test::ReadFileText(m_fleet.FileOf(devId)); }

    test::ScratchDir m_dir{"refhost_callbacks"};
    TerminalFleet m_fleet{m_dir.Path()};
    std::ostringstream m_out;
    FileLink m_link{m_fleet};
    CallbackHost m_host{m_link, m_out};
};

const std::vector<uint8_t> kSpeed50{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 50};

TEST_F(CallbackHostTest, GetAllAndQueryAnswerFromTheFile) {
    MDVR_ParamBuffer request{}, reply{};
    ASSERT_EQ(g_installed.get(MDVR_CMD_GET_ALL, &request, &reply, g_installed.user), 1);
    EXPECT_EQ(reply.length, 19u);
    EXPECT_EQ(reply.bytes[0], 2);
    const uint8_t query[] = {1, 0, 0, 0, 0x55};
    std::memcpy(request.bytes, query, sizeof query);
    request.length = sizeof query;
    ASSERT_EQ(g_installed.get(MDVR_CMD_QUERY, &request, &reply, g_installed.user), 1);
    const uint8_t expected[] = {1, 0, 0, 0, 0x55, 4, 0, 0, 0, 60};
    ASSERT_EQ(reply.length, sizeof expected);
    EXPECT_EQ(std::memcmp(reply.bytes, expected, sizeof expected), 0);
}

// A list cut short is refused without writing.
TEST_F(CallbackHostTest, SetSavesTheFileAndPrintsWhatWasSent) {
    EXPECT_EQ(g_installed.Set({2, 0, 0, 0, 0x55, 4, 0, 0, 0, 50}), 0);
    EXPECT_EQ(Read(1001), "online yes\n0x0001 u32 30\n0x0055 u32 60\n");
    ASSERT_EQ(g_installed.Set(kSpeed50), 1);
    EXPECT_EQ(Read(1001), "online yes\n0x0001 u32 30\n0x0055 u32 50\n");
    EXPECT_NE(m_out.str().find("  01 00 00 00 55 04 00 00 00 32\n"
                               "  0x0055 len   4 u32  50\n"
                               "  1 item(s)\n"),
              std::string::npos)
        << m_out.str();
}

TEST_F(CallbackHostTest, OfflineMissingAndCorruptTerminalsFailAndKeepTheirFiles) {
    const struct {
        const char* name;
        int devId;
        const char* file;  // null: no file
    } cases[] = {
        {"offline", 1002, "online no\n0x0055 u32 80\n"},
        {"corrupt", 1004, "online yes\n0x0055 u32 eighty\n"},
        {"missing", 1005, nullptr},
    };
    for (const auto& c : cases) {
        if (c.file != nullptr) Write(c.devId, c.file);
        m_host.SetDevice(c.devId);
        MDVR_ParamBuffer request{}, reply{};
        EXPECT_EQ(g_installed.get(MDVR_CMD_GET_ALL, &request, &reply, g_installed.user), 0)
            << c.name;
        EXPECT_EQ(g_installed.Set(kSpeed50), 0) << c.name;
        if (c.file != nullptr) {
            EXPECT_EQ(Read(c.devId), c.file) << c.name;
        }
    }
    EXPECT_NE(m_out.str().find(m_fleet.FileOf(1004).string() + ":2: \"eighty\" is not a valid u32"),
              std::string::npos)
        << m_out.str();
    EXPECT_NE(m_out.str().find("[save] device 1002: failed, offline, no answer"), std::string::npos)
        << m_out.str();
}

}  // namespace
}  // namespace mdvr::refhost
