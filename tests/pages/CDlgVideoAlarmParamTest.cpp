// Page 14: the video alarm mask, image analysis limits and the sleep wake-up record.
#include <gtest/gtest.h>

#include "pagebase/CDlgAlarmMask.h"
#include "pages/CDlgVideoAlarmParam.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using AlarmPage = PageFixture<CDlgVideoAlarmParam>;
using Page = CDlgVideoAlarmParam;

Bytes Wake(std::initializer_list<uint8_t> head) {
    Bytes value(head);
    value.resize(Page::kWakeBytes);
    return Item(0x7C, value);
}

TEST_F(AlarmPage, RecordShowsItsFieldsAndRefusesOverlappingPeriods) {
    Load(List({Wake({0x07, 0x07, 0x7F, 0x03, 0x08, 0x00, 0x12, 0x00, 0x11, 0x30, 0x13, 0x00})}));
    for (int box : {4033, 4034, 4035, 4032, 4036, 4037, 4208, 4214, 4215, 4216}) {
        EXPECT_EQ(m_driver.Check(box), 1) << box;
    }
    EXPECT_EQ(m_driver.Check(4217), 0);
    EXPECT_EQ(m_driver.Time(Page::kFirstStartId + 1).hour, 11);
    EXPECT_EQ(m_driver.Time(Page::kFirstStartId + 1).minute, 30);
    EXPECT_TRUE(m_driver.Enabled(Page::kFirstEndId + 1));
    EXPECT_FALSE(m_driver.Enabled(Page::kFirstEndId + 2));
    EXPECT_EQ(Save(), Bytes{});
    EXPECT_EQ(LastTip(), L"时间段1与时间段2重叠");
}

TEST_F(AlarmPage, PeriodOverlapRules) {
    struct Case {
        const char* what;
        Bytes wake;
        const wchar_t* tip;
    } cases[] = {
        {"an earlier period starting inside a later one past midnight",
         Wake({0x02, 0, 0, 0x03, 0x23, 0x00, 0x23, 0x30, 0x22, 0x00, 0x02, 0x00}),
         L"时间段1与时间段2重叠"},
        {"a later period inside an earlier one is not tested",
         Wake({0x02, 0, 0, 0x03, 0x22, 0x00, 0x02, 0x00, 0x23, 0x00, 0x23, 0x30}), L""},
        {"identical periods",
         Wake({0x02, 0, 0, 0x03, 0x08, 0x00, 0x09, 0x00, 0x08, 0x00, 0x09, 0x00}), L""},
        {"a disabled period takes no part",
         Wake({0x02, 0, 0, 0x01, 0x08, 0x00, 0x12, 0x00, 0x09, 0x00, 0x10, 0x00}), L""},
        {"only the last overlap is named",
         Wake({0x02, 0, 0, 0x07, 0x08, 0x00, 0x10, 0x00, 0x07, 0x00, 0x09, 0x45, 0x09, 0x30,
               0x11, 0x00}),
         L"时间段2与时间段3重叠"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_tips.Clear();
        Load(List({c.wake}));
        CheckOnly({2});
        EXPECT_EQ(Save().empty(), c.tip[0] != L'\0');
        EXPECT_EQ(LastTip(), c.tip);
    }
}

TEST_F(AlarmPage, UncheckedWakeGroupSkipsTheOverlapTest) {
    RunLoadCase({"overlapping periods", List({Wake({0x02, 0, 0, 0x03, 0x08, 0x00, 0x12, 0x00,
                                                      0x11, 0x30, 0x13, 0x00})}),
                 {}, {}, List({Item(0x7B, {0, 0})}), {1}});
}

TEST_F(AlarmPage, TerminalBytesWithoutControlsGoBackUnchanged) {
    // Unnamed mode and day bits, an impossible time, and four bytes past the record.
    Bytes wake = Wake({0xF9, 0xF8, 0xFF, 0xF0, 0x99, 0x99, 0x12, 0x00});
    wake[4] = 24;
    wake.insert(wake.end(), {1, 2, 3, 4});
    const Bytes list = List({Item(0x7A, {0x80, 0, 0, 0x01}), Item(0x7B, {45, 3}), wake});
    Load(list);
    EXPECT_EQ(Text(Page::kMaskId), L"-2147483647");
    EXPECT_EQ(Save(), list);
}

TEST_F(AlarmPage, WakeUpEnablingRules) {
    Load(List({Wake({0x00})}));
    CheckOnly({2});
    const EnableCase cases[] = {
        {"no wake mode", {}, {-4032, -4208}},
        {"condition wake-up", {Page::kConditionWakeId}, {4032}},
        {"timed wake-up", {Page::kTimedWakeId}, {4208, -Page::kFirstStartId}},
        {"first period", {Page::kFirstPeriodId}, {Page::kFirstStartId}},
        {"every day cleared: the days lock", {Page::kEveryDayId, Page::kEveryDayId}, {-4208}},
        {"group off", {CDlgCfgBase::kFirstGroupId + 2}, {-4032, -Page::kFirstStartId}},
    };
    for (const EnableCase& c : cases) RunEnableCase(c);
}

TEST_F(AlarmPage, OperatorEdits) {
    CheckOnly({0, 1, 2});
    Enter(Page::kMaskId, L"4294967295");
    Enter(Page::kPassengersId, L"300");
    Enter(Page::kFatigueId, L"");
    m_driver.Click(Page::kTimedWakeId);
    m_driver.Click(Page::kFirstPeriodId);
    m_driver.SetTime(Page::kFirstStartId, {2026, 1, 1, 7, 5, 0});
    m_driver.SetTime(Page::kFirstEndId, {2026, 1, 1, 18, 45, 0});
    Bytes wake = Wake({0x02, 0, 0, 0x01, 0x07, 0x05, 0x18, 0x45});
    EXPECT_EQ(Save(), List({Item(0x7A, {0xFF, 0xFF, 0xFF, 0xFF}), Item(0x7B, {44, 0}), wake}));
    uint32_t kind = 7;
    uint32_t extra = 0;
    m_page.GetBatchKind(&kind, &extra);
    EXPECT_EQ(kind, 7u);  // no kind but on the JT/T 1078 variant
}

TEST_F(AlarmPage, MaskPopupFollowsTheGroupAndWritesBack) {
    CheckOnly({1});
    EXPECT_FALSE(m_driver.Click(Page::kMaskButtonId));
    CheckOnly({0});
    Enter(Page::kMaskId, L"2");
    m_automation.OnNextModal([](ui::DialogDriver& popup) {
        popup.ClickRow(CDlgAlarmMask::kListId, 0);
        popup.Click(CDlgAlarmMask::kOkId);
    });
    ASSERT_TRUE(m_driver.Click(Page::kMaskButtonId));
    EXPECT_EQ(Text(Page::kMaskId), L"3");
}

}  // namespace
}  // namespace mdvr::test
