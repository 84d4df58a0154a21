// The real configuration window through the exports, on the headless backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "frame/CDlgMain.h"
#include "mdvr808.h"
#include "pages/CDlgFirstPage.h"
#include "plugin/CConfigWindow.h"
#include "plugin/ModuleFixture.h"
#include "protocol/ParamCache.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

std::vector<int> g_commands;

// What a host that pumps messages while it waits does from inside the get callback, once.
std::function<void()> g_reentry;
ui::HostWindow* g_host = nullptr;
int g_depth = 0;
int g_maxDepth = 0;

int MDVR_CALL AnswerGet(int command, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    g_commands.push_back(command);
    g_maxDepth = std::max(g_maxDepth, ++g_depth);
    if (auto reenter = std::exchange(g_reentry, nullptr)) reenter();
    --g_depth;
    // Max speed 0x0055 = 80: the page still decodes the answer after the host's pumping.
    const uint8_t list[] = {1, 0, 0, 0, 0x55, 4, 0, 0, 0, 80};
    std::copy(std::begin(list), std::end(list), reply->bytes);
    reply->length = sizeof list;
    return 1;
}

class ConfigWindowExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        m_automation.Backend().Reset();
        TheParamCache() = {};
        g_commands.clear();
        g_reentry = nullptr;
        g_maxDepth = 0;
        g_host = &m_automation.Backend().CreateHostWindow({0, 0, 1000, 670});
        CMainWindowHost::Instance().SetFactory(&CConfigWindow::Make);
        MDVR_SetConfigFunctionEx(&AnswerGet, nullptr);
        MDVR_IsEnableDll(6, 0, 0);
    }
    long LiveMainWindows() const {
        const auto dialogs = m_automation.Dialogs();
        return std::count_if(dialogs.begin(), dialogs.end(), [](const ui::DialogDriver& d) {
            return d.TemplateId() == CDlgMain::kTemplateId;
        });
    }

    ui::Automation m_automation;
};

// Close for any window destroys it, with its pages and status panel.
TEST_F(ConfigWindowExports, OpensOnceFillingTheHostWindowLoadsPageOneAndCloses) {
    ui::HostWindow& host = m_automation.Backend().CreateHostWindow({0, 0, 1100, 700});
    EXPECT_EQ(MDVR_DisplayConfig(&host, 0), 0);
    EXPECT_EQ(MDVR_DisplayConfig(&host, 0), 0);
    EXPECT_EQ(LiveMainWindows(), 1);
    const ui::DialogDriver main = m_automation.Find(CDlgMain::kTemplateId);
    EXPECT_EQ(main.View()->WindowRect().w, 1100);
    EXPECT_EQ(main.View()->WindowRect().h, 700);
    EXPECT_TRUE(main.View()->IsWindowVisible());
    EXPECT_EQ(g_commands, std::vector<int>{MDVR_CMD_GET_ALL});
    MDVR_DisplayUpdate();
    EXPECT_EQ(g_commands.size(), 2u) << "the current page reloads with force";

    MDVR_MSG close = Message(kWmClose, 0);
    close.hwnd = &close;
    MDVR_DllPreTranslateMessage(&close);
    EXPECT_TRUE(m_automation.Dialogs().empty());
    MDVR_DisplayConfig(&host, 0);
    EXPECT_EQ(LiveMainWindows(), 1);
}

// The host calls in again from inside a get callback, while the window is being created or while
// its get button runs: the window and its page survive until the outermost call returns.
TEST_F(ConfigWindowExports, CallsFromInsideACallbackWaitForTheOutermostReturn) {
    const auto close = [] {
        MDVR_MSG msg = Message(kWmClose, 0);
        MDVR_DllPreTranslateMessage(&msg);
    };
    const auto update = [] { MDVR_DisplayUpdate(); };
    const struct {
        const char* name;
        std::function<void()> reentry;
        bool duringCreation;
        int windowsAfter;
        size_t loads;
    } cases[] = {
        {"close while created", close, true, 0, 1},
        {"close from the get button", close, false, 0, 2},
        {"update while created", update, true, 1, 2},
        {"update from the get button", update, false, 1, 3},
        {"display again from the get button", [] { MDVR_DisplayConfig(g_host, 0); }, false, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CMainWindowHost::Instance().Close();
        g_commands.clear();
        g_maxDepth = 0;
        if (c.duringCreation) g_reentry = c.reentry;
        MDVR_DisplayConfig(g_host, 0);
        if (!c.duringCreation) {
            g_reentry = c.reentry;
            m_automation.Find(CDlgMain::kTemplateId).Click(CDlgMain::kGetId);
        }
        EXPECT_EQ(LiveMainWindows(), c.windowsAfter);
        EXPECT_EQ(g_commands.size(), c.loads);
        EXPECT_EQ(g_maxDepth, 1) << "a reload never runs inside another";
        if (c.windowsAfter == 1) {
            EXPECT_EQ(m_automation.Find(CDlgFirstPage::kTemplateId).Text(4365), L"80");
        }
    }
}

}  // namespace
}  // namespace mdvr::test
