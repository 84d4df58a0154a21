// Scripted sessions against the built plug-in, loaded the way mdvr-host loads it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "support/ScratchDir.h"
#include "text/CodePage.h"
#include "tools/mdvr-host/FileLink.h"
#include "tools/mdvr-host/SessionRunner.h"

namespace mdvr::refhost {
namespace {

namespace fs = std::filesystem;

// One plug-in per process, as in a host: its module state lives as long as the process.
class SessionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_hostFolder = std::make_unique<test::ScratchDir>("refhost_session");
        fs::copy(MDVR_HOST_SOURCE, s_hostFolder->Path(), fs::copy_options::recursive);
        fs::copy(MDVR_LANG_SOURCE, s_hostFolder->Path() / "lang", fs::copy_options::recursive);
        setenv("MDVR_APP_PATH", (s_hostFolder->Path() / "").c_str(), 1);
        s_module = std::make_unique<PluginModule>(MDVR808_MODULE);
        s_module->Exports().SetLangPath((s_hostFolder->Path() / "lang" / "zh-CN.ini").c_str());
    }
    static void TearDownTestSuite() {
        s_module.reset();
        s_hostFolder.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(SetAnsiCharset("GBK"));
        fs::copy(s_hostFolder->Path() / "terminals", m_terminals.Path(),
                 fs::copy_options::recursive);
        m_callbacks.Install(s_module->Exports());
        m_callbacks.SetTargets({1001, 1002});
    }
    bool Run(const std::string& script) {
        std::istringstream in(script);
        return m_runner.Run(in, "test.session");
    }
    std::string Terminal(int devId) const { return test::ReadFileText(m_fleet.FileOf(devId)); }

    inline static std::unique_ptr<test::ScratchDir> s_hostFolder;
    inline static std::unique_ptr<PluginModule> s_module;
    test::ScratchDir m_terminals{"refhost_terminals"};
    TerminalFleet m_fleet{m_terminals.Path()};
    std::ostringstream m_out;
    FileLink m_link{m_fleet};
    CallbackHost m_callbacks{m_link, m_out};
    DisplayWindow m_window{1000, 670};
    SessionRunner m_runner{s_module->Exports(), m_callbacks, m_fleet, m_window, m_out};
};

TEST_F(SessionTest, TerminalCommandsPrintAndStopAtTheFirstBadLine) {
    EXPECT_FALSE(
        Run("# comment\n"
            "device 1002\n"
            "file 1002 0x0083\n"
            "offline 1002\n"
            "file 1002 0x9999\n"
            "echo 粤A\n"
            "targets 1001 x\n"
            "echo never\n"));
    EXPECT_EQ(m_out.str(),
              "> device 1002\n"
              "> file 1002 0x0083\n"
              "0x0083 text 粤A10002\n"
              "> offline 1002\n"
              "> file 1002 0x9999\n"
              "(no such parameter)\n"
              "> echo 粤A\n"
              "粤A\n"
              "> targets 1001 x\n"
              "test.session:7: \"x\" is not a number\n");
    EXPECT_NE(Terminal(1002).find("\nonline no\n"), std::string::npos);
}

TEST_F(SessionTest, BadCommandsNameTheirProblem) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"frobnicate", "unknown command \"frobnicate\""},
        {"click 1003", "the window is not open (use \"open\")"},
        {"answer maybe", "answer yes or no"},
        {"file 4711", "4711.terminal: cannot open the terminal file"},
    };
    for (const auto& c : cases) {
        m_out.str({});
        EXPECT_FALSE(Run(c.line));
        const std::string out = m_out.str();
        const size_t at = out.find("test.session:1: ");
        ASSERT_NE(at, std::string::npos) << out;
        EXPECT_NE(out.find(c.error, at), std::string::npos) << out;
    }
}

// Each shipped page session saves something, on a fresh copy of the demo terminals.
TEST_F(SessionTest, EveryPageSessionRunsAndSaves) {
    int sessions = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(MDVR_HOST_SOURCE) / "sessions")) {
        if (!entry.path().filename().string().starts_with("page-")) continue;
        SCOPED_TRACE(entry.path().filename().string());
        m_out.str({});
        fs::copy(s_hostFolder->Path() / "terminals", m_terminals.Path(),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        EXPECT_TRUE(Run(test::ReadFileText(entry.path()))) << m_out.str();
        EXPECT_NE(m_out.str().find(".terminal written"), std::string::npos) << m_out.str();
        ++sessions;
    }
    EXPECT_GE(sessions, 3);
}

}  // namespace
}  // namespace mdvr::refhost
