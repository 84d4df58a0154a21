// The real configuration window through the exports, on the headless backend.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "frame/CDlgMain.h"
#include "mdvr808.h"
#include "plugin/CConfigWindow.h"
#include "plugin/ModuleFixture.h"
#include "protocol/ParamCache.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

std::vector<int> g_commands;

int MDVR_CALL AnswerGet(int command, MDVR_ParamBuffer*, MDVR_ParamBuffer* reply, void*) {
    g_commands.push_back(command);
    reply->bytes[0] = 0;
    reply->length = 1;
    return 1;
}

class ConfigWindowExports : public ModuleFixture {
  protected:
    void SetUp() override {
        ModuleFixture::SetUp();
        m_automation.Backend().Reset();
        TheParamCache() = {};
        g_commands.clear();
        CMainWindowHost::Instance().SetFactory(&CConfigWindow::Make);
        MDVR_SetConfigFunctionEx(&AnswerGet, nullptr);
        MDVR_IsEnableDll(6, 0, 0);
    }
    int LiveMainWindows() const {
        int count = 0;
        for (const ui::DialogDriver& d : m_automation.Dialogs()) {
            if (d.TemplateId() == CDlgMain::kTemplateId) ++count;
        }
        return count;
    }

    ui::Automation m_automation;
};

TEST_F(ConfigWindowExports, OpensOnceFillingTheHostWindowAndLoadsPageOne) {
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
}

TEST_F(ConfigWindowExports, CloseForAnyWindowDestroysItEscapeIsConsumed) {
    ui::HostWindow& host = m_automation.Backend().CreateHostWindow({0, 0, 1000, 670});
    MDVR_DisplayConfig(&host, 0);
    MDVR_MSG escape = Message(kWmKeyUp, kEscape);
    EXPECT_EQ(MDVR_DllPreTranslateMessage(&escape), 1);
    EXPECT_EQ(LiveMainWindows(), 1);

    MDVR_MSG close = Message(kWmClose, 0);
    close.hwnd = &close;
    MDVR_DllPreTranslateMessage(&close);
    EXPECT_EQ(LiveMainWindows(), 0);
    EXPECT_TRUE(m_automation.Dialogs().empty()) << "pages and status panel go with it";

    MDVR_DisplayConfig(&host, 0);
    EXPECT_EQ(LiveMainWindows(), 1);
}

TEST_F(ConfigWindowExports, NoWindowInsideSomethingThatIsNoWindow) {
    // Anything a host hands over is read as far as a bridge record's magic and version.
    std::array<uint64_t, 4> notAWindow{};
    EXPECT_EQ(MDVR_DisplayConfig(notAWindow.data(), 0), 0);
    EXPECT_FALSE(CMainWindowHost::Instance().IsOpen());
}

}  // namespace
}  // namespace mdvr::test
