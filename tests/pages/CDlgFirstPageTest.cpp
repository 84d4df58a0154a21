// Page 1: the alarm words and driving limits as a terminal and an operator meet them.
#include "pages/CDlgFirstPage.h"

#include <gtest/gtest.h>

#include "pagebase/CDlgAlarmMask.h"
#include "pages/PageFixture.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

constexpr int kBox0 = CDlgCfgBase::kFirstGroupId;
constexpr int kCollisionBox = kBox0 + 13;

using CDlgFirstPageTest = PageFixture<CDlgFirstPage>;

// 0x0050 to 0x005A as 80 00 01 ID, then the two-byte limits at their largest.
Bytes FullList() {
    Bytes list = List({Item(0x5B, {0xFF, 0xFF}), Item(0x5C, {0x01, 0x00}),
                       Item(0x5D, {0x4F, 0xFF}), Item(0x5E, {0x27, 0x0F})});
    list[0] = 15;
    for (uint8_t id = 0x5A; id >= 0x50; --id) {
        const Bytes item = Item(id, {0x80, 0x00, 0x01, id});
        list.insert(list.begin() + 1, item.begin(), item.end());
    }
    return list;
}

TEST_F(CDlgFirstPageTest, TerminalLists) {
    const LoadCase cases[] = {
        {"every item", FullList(), {}, {}, {}, {}},
        {"each width, unsigned, and a foreign ID left out",
         List({Item(0x50, {0xFF, 0xFF, 0xFF, 0xFF}), Item(0x5D, {0x1E, 0x0A}),
               Item(0x5B, {0x01, 0x2C}), Item(0x5F, {9}), Item(0x5E, {0x00, 0x2D})}),
         {{4360, L"4294967295"}, {4372, L"300"}, {4380, L"45"}, {4376, L"10"}, {4378, L"30"}},
         {},
         List({Item(0x50, {0xFF, 0xFF, 0xFF, 0xFF}), Item(0x5B, {0x01, 0x2C}),
               Item(0x5D, {0x1E, 0x0A}), Item(0x5E, {0x00, 0x2D})}),
         {0, 11, 13, 14}},
    };
    for (const LoadCase& c : cases) RunLoadCase(c);
}

TEST_F(CDlgFirstPageTest, ValuesAreCutToTheirWireWidths) {
    const EditCase cases[] = {
        {"a word", 0, 4360, L"255", List({Item(0x50, {0, 0, 0, 0xFF})}), nullptr},
        {"an empty word sends no item", 0, 4360, L"", {0}, nullptr},
        {"a pasted -1", 1, 4361, L"-1", List({Item(0x51, {0xFF, 0xFF, 0xFF, 0xFF})}), nullptr},
        {"70000 in two bytes", 11, 4372, L"70000", List({Item(0x5B, {0x11, 0x70})}), nullptr},
        {"collision time in its byte, the empty acceleration 0", 13, 4376, L"300",
         List({Item(0x5D, {0, 0x2C})}), nullptr},
        {"collision acceleration", 13, 4378, L"79", List({Item(0x5D, {0x4F, 0x2C})}), nullptr},
        {"rollover angle", 14, 4380, L"9999", List({Item(0x5E, {0x27, 0x0F})}), nullptr},
    };
    for (const EditCase& c : cases) RunEditCase(c);
}

TEST_F(CDlgFirstPageTest, GroupsSwitchTheirEditsButNotButtons) {
    const EnableCase cases[] = {
        {"collision box off", {kCollisionBox}, {-4376, -4378}},
        {"word box off: its mask button stays", {kBox0}, {-4360, 4280, 4361}},
        {"collision box on", {kCollisionBox}, {4376, 4378}},
    };
    for (const EnableCase& c : cases) RunEnableCase(c);
}

TEST_F(CDlgFirstPageTest, BalloonsNameTheFieldRanges) {
    struct Case {
        int edit;
        const wchar_t* typed;
        const wchar_t* range;
    } cases[] = {{4365, L"301", L"0~300"}, {4366, L"4294967296", L"0~4294967295"}};
    for (const Case& c : cases) {
        m_driver.Type(c.edit, c.typed);
        m_driver.Focus(4360);
        ASSERT_EQ(m_driver.Balloons(c.edit).size(), 1u);
        EXPECT_TRUE(m_driver.Balloons(c.edit)[0].text.ends_with(c.range));
    }
}

TEST_F(CDlgFirstPageTest, PopupKeysAndItsHiddenCancel) {
    m_driver.Type(4360, L"0");
    bool open = false;
    m_automation.OnNextModal([&open](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.PressKey(CDlgAlarmMask::kListId, ui::kKeyEscape);
        open = popup.IsValid() && !popup.View()->ModalResult();
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_TRUE(open);  // Escape does not close it
    EXPECT_EQ(m_driver.Text(4360), L"1");
    m_automation.OnNextModal([](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 1);
        popup.Click(CDlgAlarmMask::kCancelId);  // hidden: the user cannot reach it
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_EQ(m_driver.Text(4360), L"1");
}

}  // namespace
}  // namespace mdvr::test
