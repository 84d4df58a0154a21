// Page 10: the CAN collection page as a terminal and an operator meet it.
#include <gtest/gtest.h>

#include "pagebase/ComboData.h"
#include "pages/CDlgCanSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using CanPage = PageFixture<CDlgCanSetup>;

TEST_F(CanPage, RuleWordBitsSelectTheirListsAndLeaveTheBusId) {
    struct Case {
        const char* what;
        Bytes rule;
        const wchar_t* interval;
        uint32_t channel, frame, method;
        const wchar_t* busId;
    } cases[] = {
        {"channel 2, extended frame, bus 291", Item(0x110, {0, 0, 0, 0x64, 0xC0, 0, 0x01, 0x23}),
         L"100", 1, 1, 0, L"291"},
        {"a clear bit keeps the selection", Item(0x110, {0, 0, 0, 0, 0x20, 0, 0, 0x01}), L"0", 1, 1,
         1, L"1"},
        {"a short item reads zeros", Item(0x110, {0xFF, 0xFF, 0xFF, 0xFF, 0x1F}), L"-1", 1, 1, 1,
         L"520093696"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({c.rule}));
        EXPECT_EQ(Text(CDlgCanSetup::kRuleIntervalId), c.interval);
        EXPECT_EQ(SelectedComboData(m_page.View(), CDlgCanSetup::kChannelId), c.channel);
        EXPECT_EQ(SelectedComboData(m_page.View(), CDlgCanSetup::kFrameTypeId), c.frame);
        EXPECT_EQ(SelectedComboData(m_page.View(), CDlgCanSetup::kMethodId), c.method);
        EXPECT_EQ(Text(CDlgCanSetup::kBusId), c.busId);
    }
}

TEST_F(CanPage, OperatorEditsGoOutAsTyped) {
    struct Case {
        const char* what;
        int box;
        int edit;
        const wchar_t* typed;
        Bytes sent;
    } cases[] = {
        {"the rule from its controls", 4, CDlgCanSetup::kBusId, L"291",
         List({Item(0x110, {0, 0, 0, 0x64, 0, 0, 0x01, 0x23})})},
        {"a bus ID over 29 bits loses its high bits", 4, CDlgCanSetup::kBusId, L"99999999",
         List({Item(0x110, {0, 0, 0, 0x64, 0x05, 0xF5, 0xE0, 0xFF})})},
        {"an upload interval is two bytes", 1, 4601, L"70000", List({Item(0x101, {0x11, 0x70})})},
        {"an emptied collection interval is 0", 0, 4600, L"", List({Item(0x100, {0, 0, 0, 0})})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CheckOnly({c.box});
        Enter(CDlgCanSetup::kRuleIntervalId, L"100");
        Enter(c.edit, c.typed);
        EXPECT_EQ(Save(), c.sent);
    }
    CheckOnly({4});
    m_driver.SelectByData(CDlgCanSetup::kChannelId, 1);
    m_driver.SelectByData(CDlgCanSetup::kMethodId, 1);
    Enter(CDlgCanSetup::kRuleIntervalId, L"100");
    Enter(CDlgCanSetup::kBusId, L"291");
    EXPECT_EQ(Save(), List({Item(0x110, {0, 0, 0, 0x64, 0xA0, 0, 0x01, 0x23})}));
}

}  // namespace
}  // namespace mdvr::test
