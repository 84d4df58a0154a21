// Page 8: the packed photo words as terminals send them and as an operator edits them.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pages/CDlgPhoto.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using PhotoPage = PageFixture<CDlgPhoto>;

TEST_F(PhotoPage, WordsShowTheirFieldsAndGoBackUnchanged) {
    struct Case {
        const char* what;
        Bytes list;
        std::vector<int> checked;
        uint32_t timeUnit;
        const wchar_t* interval;
        const wchar_t* hint;
    } cases[] = {
        {"minutes, CH1 and CH2 on, CH1 uploads", List({Item(0x64, {0x00, 0x0B, 0x01, 0x03})}),
         {4000, 4001, 4008}, 1, L"5", L"(1~32767)"},
        {"largest interval in seconds", List({Item(0x64, {0xFF, 0xFE, 0x00, 0x00})}), {}, 0,
         L"32767", L"(5~32767)"},
        {"fixed channels keep their bits", List({Item(0x64, {0x00, 0x0A, 0xE0, 0xE0})}),
         {4005, 4006, 4007, 4013, 4014, 4015}, 0, L"5", L"(5~32767)"},
        {"a short word reads zeros past its end", List({Item(0x64, {0x00, 0x0B})}), {}, 1, L"5",
         L"(1~32767)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.list);
        for (int box = 4000; box < 4016; ++box) {
            const bool on = std::find(c.checked.begin(), c.checked.end(), box) != c.checked.end();
            EXPECT_EQ((m_driver.Check(box) != 0), on) << box;
        }
        EXPECT_EQ(m_driver.SelData(CDlgPhoto::kTimeUnitId), c.timeUnit);
        EXPECT_EQ(Text(CDlgPhoto::kTimeIntervalId), c.interval);
        EXPECT_EQ(Text(CDlgPhoto::kTimeHintId), c.hint);
        CheckOnly({0});
        Bytes sent = c.list;
        sent.resize(10);  // a short word goes back as four bytes
        sent[5] = 4;
        EXPECT_EQ(Save(), sent);
    }
}

TEST_F(PhotoPage, FixedChannelsStayDisabledThroughGroupClicks) {
    CheckOnly({0, 1});
    for (int box : {4005, 4013, 4021, 4031}) EXPECT_FALSE(m_driver.Enabled(box)) << box;
    for (int box : {4004, 4012, 4020, 4028}) EXPECT_TRUE(m_driver.Enabled(box)) << box;
}

TEST_F(PhotoPage, IntervalRangeFollowsTheUnit) {
    struct Case {
        int group;
        uint32_t unit;
        const wchar_t* interval;
        Bytes sent;  // empty: refused
    } cases[] = {
        {0, 0, L"4", {}},
        {0, 1, L"4", List({Item(0x64, {0x00, 0x09, 0x00, 0x00})})},
        {0, 0, L"5", List({Item(0x64, {0x00, 0x0A, 0x00, 0x00})})},
        {0, 1, L"32768", {}},
        {0, 1, L"", {}},
        {1, 0, L"99", {}},
        {1, 0, L"100", List({Item(0x65, {0x00, 0xC8, 0x00, 0x00})})},
        {1, 1, L"1", List({Item(0x65, {0x00, 0x03, 0x00, 0x00})})},
        {1, 1, L"32768", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.interval)));
        m_tips.Clear();
        Load(List({Item(0x64, {0, 0, 0, 0}), Item(0x65, {0, 0, 0, 0})}));
        CheckOnly({c.group});
        const int unit = c.group == 0 ? CDlgPhoto::kTimeUnitId : CDlgPhoto::kDistanceUnitId;
        const int edit = c.group == 0 ? CDlgPhoto::kTimeIntervalId : CDlgPhoto::kDistanceIntervalId;
        m_driver.SelectByData(unit, c.unit);
        Enter(edit, c.interval);
        EXPECT_EQ(Save(), c.sent);
        if (c.sent.empty()) {
            EXPECT_EQ(LastTip(), c.group == 0 ? L"定时时间间隔：输入的值无效或超出范围"
                                              : L"定距距离间隔：输入的值无效或超出范围");
            EXPECT_EQ(m_page.View().FocusedId(), edit);
        }
    }
}

TEST_F(PhotoPage, OperatorEditsBothWordsInOrder) {
    Load(List({Item(0x65, {0x00, 0xC9, 0x00, 0x00}), Item(0x64, {0x00, 0x0B, 0x00, 0x00})}));
    EXPECT_EQ(Text(CDlgPhoto::kDistanceHintId), L"(1~32767)");
    m_driver.Click(4002);  // CH3 takes timed photos
    m_driver.Click(4024);  // CH1 uploads its distance photos
    m_driver.SelectByData(CDlgPhoto::kDistanceUnitId, 0);
    EXPECT_EQ(Text(CDlgPhoto::kDistanceHintId), L"(100~32767)");
    Enter(CDlgPhoto::kDistanceIntervalId, L"500");
    EXPECT_EQ(Save(), List({Item(0x64, {0x00, 0x0B, 0x00, 0x04}),
                            Item(0x65, {0x03, 0xE8, 0x01, 0x00})}));
}


}  // namespace
}  // namespace mdvr::test
