#include "pages/CDlgFirstPage.h"

#include <gtest/gtest.h>
#include "pages/PageFixture.h"

#include "pagebase/CDlgAlarmMask.h"
#include "pages/PageTestHost.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

constexpr int kBox0 = CDlgCfgBase::kFirstGroupId;
constexpr int kCollisionBox = kBox0 + 13;

using CDlgFirstPageTest = PageFixture<CDlgFirstPage>;

TEST_F(CDlgFirstPageTest, DecodesEachWidthAndIgnoresForeignIds) {
    Load({5, 0, 0, 0,    0x50, 4,    0xFF, 0xFF, 0xFF, 0xFF,  // unsigned, not -1
          0, 0, 0, 0x5D, 2,    0x1E, 0x0A,                    // acceleration 30, time 10
          0, 0, 0, 0x5B, 2,    0x01, 0x2C,                    // 300
          0, 0, 0, 0x5F, 1,    9,                             // not this page's
          0, 0, 0, 0x5E, 2,    0x00, 0x2D});
    EXPECT_EQ(m_driver.Text(4360), L"4294967295");
    EXPECT_EQ(m_driver.Text(4372), L"300");
    EXPECT_EQ(m_driver.Text(4380), L"45");
    EXPECT_EQ(m_driver.Text(4376), L"10");
    EXPECT_EQ(m_driver.Text(4378), L"30");
}

TEST_F(CDlgFirstPageTest, EncodesCheckedRowsOnly) {
    CheckOnly({0, 13});
    m_driver.Type(4360, L"255");
    EXPECT_EQ(Save(), (Bytes{2, 0, 0, 0, 0x50, 4, 0, 0, 0, 0xFF, 0, 0, 0, 0x5D, 2, 0, 0}));
}

TEST_F(CDlgFirstPageTest, EmptyCheckedRowSendsNothingButSucceeds) {
    CheckOnly({0});
    EXPECT_EQ(Save(), (Bytes{0}));
    EXPECT_TRUE(m_saved);
}

TEST_F(CDlgFirstPageTest, ValuesAreCutToTheirWireWidths) {
    CheckOnly({1, 11, 13, 14});
    m_driver.Paste(4361, L"-1");    // pasted text is not filtered by the digits-only style
    m_driver.Type(4372, L"70000");  // limited to 5 characters: 70000 -> 0x1170
    m_driver.Type(4376, L"300");    // 3 characters, low byte 0x2C
    m_driver.Type(4378, L"79");
    m_driver.Type(4380, L"9999");
    EXPECT_EQ(Save(),
              (Bytes{4,    0, 0, 0, 0x51, 4, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,    0, 0x5B, 2,   0x11,
                     0x70, 0, 0, 0, 0x5D, 2, 0x4F, 0x2C, 0,    0,    0, 0x5E, 2, 0x27, 0x0F}));
}

TEST_F(CDlgFirstPageTest, FullListRoundTrips) {
    Bytes list{15};
    for (uint8_t id = 0x50; id <= 0x5A; ++id) {
        Bytes item{0, 0, 0, id, 4, 0x80, 0x00, 0x01, id};
        list.insert(list.end(), item.begin(), item.end());
    }
    const Bytes tail{0, 0, 0, 0x5B, 2, 0xFF, 0xFF, 0, 0, 0, 0x5C, 2, 0x01, 0x00,
                     0, 0, 0, 0x5D, 2, 0x4F, 0xFF, 0, 0, 0, 0x5E, 2, 0x27, 0x0F};
    list.insert(list.end(), tail.begin(), tail.end());
    Load(list);
    EXPECT_EQ(Save(), list);
}

TEST_F(CDlgFirstPageTest, QueryListHoldsTheFifteenIds) {
    m_page.SetQuerySpecific(true);
    Load({0});
    EXPECT_EQ(TheHostRecord().lastGetCommand, MDVR_CMD_QUERY);
    const Bytes& query = TheHostRecord().lastQuery;
    ASSERT_EQ(query.size(), 61u);
    EXPECT_EQ(query[0], 15);
    for (uint8_t i = 0; i < 15; ++i) {
        const auto at = query.begin() + 1 + 4 * i;
        EXPECT_EQ(Bytes(at, at + 4), (Bytes{0, 0, 0, static_cast<uint8_t>(0x50 + i)}));
    }
}

TEST_F(CDlgFirstPageTest, GroupsSwitchTheirEditsButNotButtons) {
    m_driver.Click(kCollisionBox);
    EXPECT_FALSE(m_driver.Enabled(4376));
    EXPECT_FALSE(m_driver.Enabled(4378));
    m_driver.Click(kBox0);
    EXPECT_FALSE(m_driver.Enabled(4360));
    EXPECT_TRUE(m_driver.Enabled(4280));
    EXPECT_TRUE(m_driver.Enabled(4361));
    m_driver.Click(kCollisionBox);
    EXPECT_TRUE(m_driver.Enabled(4378));
}

TEST_F(CDlgFirstPageTest, BalloonsNameTheFieldRanges) {
    m_driver.Type(4365, L"301");
    m_driver.Focus(4366);
    ASSERT_EQ(m_driver.Balloons(4365).size(), 1u);
    EXPECT_TRUE(m_driver.Balloons(4365)[0].text.ends_with(L"0~300"));
    m_driver.Type(4366, L"4294967296");
    m_driver.Focus(4365);
    ASSERT_EQ(m_driver.Balloons(4366).size(), 1u);
    EXPECT_TRUE(m_driver.Balloons(4366)[0].text.ends_with(L"0~4294967295"));
}

// Bits 15 to 17 have no standard name, so bit 31 is the 29th row.
constexpr int kBit31Row = 28;

TEST_F(CDlgFirstPageTest, PopupBit31ShowsNegativeAndIsSent) {
    m_driver.Type(4360, L"1");
    int rows = 0;
    m_automation.OnNextModal([&rows](ui::DialogDriver& popup) {
        rows = popup.RowCount(CDlgAlarmMask::kListId);
        popup.ClickRow(CDlgAlarmMask::kListId, kBit31Row);
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_EQ(rows, 29);
    EXPECT_EQ(m_driver.Text(4360), L"-2147483647");
    m_driver.Focus(4360);
    m_driver.Focus(4361);
    EXPECT_TRUE(m_driver.Balloons(4360).empty());  // the plug-in's own value draws no warning
    CheckOnly({0});
    EXPECT_EQ(Save(), (Bytes{1, 0, 0, 0, 0x50, 4, 0x80, 0, 0, 1}));
}

TEST_F(CDlgFirstPageTest, EscapeInThePopupKeepsTheBitEdits) {
    m_driver.Type(4360, L"0");
    bool open = false;
    m_automation.OnNextModal([&open](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.PressKey(CDlgAlarmMask::kListId, ui::kKeyEscape);
        open = popup.IsValid() && !popup.View()->ModalResult();
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(4280));
    EXPECT_TRUE(open);
    EXPECT_EQ(m_driver.Text(4360), L"1");
}

TEST_F(CDlgFirstPageTest, CancelledPopupLeavesTheEdit) {
    m_driver.Type(4364, L"12");
    m_automation.OnNextModal([](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.Click(CDlgAlarmMask::kCancelId);  // hidden: the user cannot reach it
    });
    ASSERT_TRUE(m_driver.Click(4204));
    EXPECT_EQ(m_automation.Backend().ModalsOpened(),
              (std::vector<int>{CDlgAlarmMask::kTemplateId}));
    EXPECT_EQ(m_driver.Text(4364), L"12");
}

}  // namespace
}  // namespace mdvr::test
