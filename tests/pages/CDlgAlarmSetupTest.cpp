// Page 7: the alarm words, fence radius, illegal-driving period and collision and rollover
// thresholds as a terminal and an operator meet them.
#include <gtest/gtest.h>

#include "pages/CDlgAlarmSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgAlarmSetup;
constexpr int kFirstGroupId = CDlgCfgBase::kFirstGroupId;

class AlarmPage : public PageFixture<CDlgAlarmSetup> {
  protected:
    void SetUp() override {
        PageFixture::SetUp();
        Reopen(1);
    }
    // The page as a terminal of the given protocol level opens it.
    void Reopen(int32_t level) {
        m_page.Destroy();
        TheDeviceProfile().protocolLevel = level;
        ASSERT_TRUE(m_page.CreateInNative(&Host()));
        m_driver = Driver(Page::kTemplateId);
    }
    std::pair<int, int> Clock(int picker) const {
        const ui::DateTime t = m_driver.Time(picker);
        return {t.hour, t.minute};
    }
};

const Bytes kFull = List({Item(0x50, {0, 0, 0, 0x01}), Item(0x51, {0, 0, 0, 0}),
                          Item(0x52, {0, 0, 0x01, 0x03}), Item(0x53, {0x80, 0, 0, 0}),
                          Item(0x54, {0, 0, 0, 0x07}), Item(0x31, {0x01, 0xF4}),
                          Item(0x32, {22, 30, 5, 0}), Item(0x5D, {0x0A, 0x19}),
                          Item(0x5E, {0, 30})});

TEST_F(AlarmPage, ListReceivedAndSavedUneditedGoesBackByteForByte) {
    Load(kFull);
    EXPECT_EQ(Text(1208), L"2147483648");  // unsigned, not negative
    EXPECT_EQ(Text(Page::kCollisionTimeId), L"25");
    EXPECT_EQ(Text(Page::kCollisionAccelId), L"10");
    EXPECT_EQ(Save(), kFull);
}

TEST_F(AlarmPage, PeriodBytesATerminalMaySend) {
    struct Case {
        const char* what;
        Bytes value;
        std::pair<int, int> start, end;
    } cases[] = {
        {"hours and minutes past the day's end are clamped", {0x1E, 0x3C, 0x05, 0x00}, {23, 59},
         {5, 0}},
        {"a short item reads zeros past its end", {7, 15}, {7, 15}, {0, 0}},
        {"a long item keeps its first four bytes", {1, 2, 3, 4, 9, 9}, {1, 2}, {3, 4}},
    };
    CheckOnly({6});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({Item(0x32, c.value)}));
        EXPECT_EQ(Clock(Page::kPeriodStartId), c.start);
        EXPECT_EQ(Clock(Page::kPeriodEndId), c.end);
        EXPECT_EQ(Save(), List({Item(0x32, {static_cast<uint8_t>(c.start.first),
                                            static_cast<uint8_t>(c.start.second),
                                            static_cast<uint8_t>(c.end.first),
                                            static_cast<uint8_t>(c.end.second)})}));
    }
}

TEST_F(AlarmPage, OperatorEdits) {
    const EditCase cases[] = {
        {"an emptied word sends no item", 0, 1200, L"", {0}, nullptr},
        {"a word past 32 bits keeps its low bits", 1, 1202, L"4294967297",
         List({Item(0x51, {0, 0, 0, 1})}), nullptr},
        {"fence radius at its limit", 5, Page::kFenceRadiusId, L"65535",
         List({Item(0x31, {0xFF, 0xFF})}), nullptr},
        {"fence radius past its limit", 5, Page::kFenceRadiusId, L"65536", {}, L"电子围栏半径"},
        {"an emptied fence radius sends no item", 5, Page::kFenceRadiusId, L"", {0}, nullptr},
        {"collision time keeps its low byte", 7, Page::kCollisionTimeId, L"300",
         List({Item(0x5D, {0, 44})}), nullptr},
        {"collision acceleration 79", 7, Page::kCollisionAccelId, L"79",
         List({Item(0x5D, {79, 0})}), nullptr},
        {"collision acceleration 80", 7, Page::kCollisionAccelId, L"80", {}, L"碰撞加速度"},
        {"an emptied rollover angle sends 0", 8, Page::kRolloverId, L"", List({Item(0x5E, {0, 0})}),
         nullptr},
    };
    for (const EditCase& c : cases) {
        m_page.View().SetText(Page::kCollisionTimeId, L"");
        m_page.View().SetText(Page::kCollisionAccelId, L"");
        RunEditCase(c);
    }
}

TEST_F(AlarmPage, EmptyWordIsLeftOutOfTheCount) {
    CheckOnly({0, 1, 2});
    m_page.View().SetText(1200, L"3");
    m_page.View().SetText(1202, L"");
    m_page.View().SetText(1206, L"5");
    EXPECT_EQ(Save(), List({Item(0x50, {0, 0, 0, 3}), Item(0x52, {0, 0, 0, 5})}));
}

TEST_F(AlarmPage, BelowLevelOneTheNewerGroupsStartUnchecked) {
    Reopen(0);
    ExpectChecked({-(kFirstGroupId + 6), -(kFirstGroupId + 7), -(kFirstGroupId + 8)});
    RunEnableCase({"as opened", {}, {-Page::kPeriodStartId, -Page::kRolloverId, 4280}});
    Load(kFull);
    EXPECT_EQ(Save().size(), 1 + 5 * 9 + 7u);  // five words and the fence radius
}

}  // namespace
}  // namespace mdvr::test
