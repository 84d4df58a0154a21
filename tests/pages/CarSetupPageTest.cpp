// Page 4: the vehicle page as a terminal and an operator meet it.
#include <gtest/gtest.h>

#include "pages/CDlgCarSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using CarPage = PageFixture<CDlgCarSetup>;
constexpr int kBox0 = CDlgCfgBase::kFirstGroupId;

Bytes U32(uint32_t id, uint32_t v) {
    return Item(id, {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16),
                     static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
}
Bytes U16(uint32_t id, uint32_t v) {
    return Item(id, {static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
}

TEST_F(CarPage, TerminalOrderInSendOrderOut) {
    const Bytes received = List(
        {U32(0x55, 100),  U32(0x56, 10),   U32(0x80, 123456), U32(0x57, 14400), U32(0x58, 28800),
         U32(0x59, 1200), U32(0x20, 2),    U32(0x21, 1),      U32(0x5A, 7200),  U32(0x27, 300),
         U32(0x28, 5),    U32(0x29, 30),   U32(0x22, 60),     U16(0x5B, 50),    U16(0x5C, 1800),
         U32(0x2C, 500),  U32(0x2D, 1000), U32(0x2E, 2000),   U32(0x2F, 100),   U32(0x30, 30)});
    const Bytes sent = List(
        {U32(0x55, 100),  U32(0x56, 10),   U32(0x80, 123456), U32(0x58, 28800), U32(0x57, 14400),
         U32(0x5A, 7200), U32(0x59, 1200), U32(0x20, 2),      U32(0x21, 1),     U32(0x27, 300),
         U32(0x28, 5),    U32(0x29, 30),   U32(0x22, 60),     U32(0x2C, 500),   U32(0x2D, 1000),
         U32(0x2E, 2000), U32(0x2F, 100),  U32(0x30, 30),     U16(0x5B, 50),    U16(0x5C, 1800)});
    EXPECT_FALSE(m_page.IsGroupChecked(18));
    EXPECT_FALSE(m_page.IsGroupChecked(19));
    Load(received);
    EXPECT_EQ(m_page.View().GetCheck(CDlgCarSetup::kStrategyId + 2), 1);
    EXPECT_EQ(Save(), sent);

    Bytes query{20};
    for (uint8_t id : std::initializer_list<uint8_t>{0x55, 0x56, 0x80, 0x57, 0x58, 0x59, 0x20, 0x21, 0x5A, 0x27,
                        0x28, 0x29, 0x22, 0x5B, 0x5C, 0x2C, 0x2D, 0x2E, 0x2F, 0x30}) {
        query.insert(query.end(), {0, 0, 0, id});
    }
    EXPECT_EQ(QueryList(), query);
}

TEST_F(CarPage, OperatorEditsAndTheirMessages) {
    struct Case {
        int box;
        int edit;
        const wchar_t* typed;
        Bytes sent;  // nothing: refused
        const wchar_t* tip;
    } cases[] = {
        {0, CDlgCarSetup::kMaxSpeedId, L"300", List({U32(0x55, 300)}), L""},
        {0, CDlgCarSetup::kMaxSpeedId, L"301", {}, L"最高速度：输入的值无效或超出范围"},
        {17, CDlgCarSetup::kAngleId, L"179", List({U32(0x30, 179)}), L""},
        {17, CDlgCarSetup::kAngleId, L"180", {}, L"拐点补传角度：输入的值无效或超出范围"},
        {13, 4413, L"", List({}), L""},  // an empty interval is left out, not refused
        {19, CDlgCarSetup::kFatigueMarginId, L"70000", List({U16(0x5C, 70000 & 0xFFFF)}), L""},
        {18, CDlgCarSetup::kOverspeedMarginId, L"0", List({U16(0x5B, 0)}), L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.typed)));
        m_tips.Clear();
        TheHostRecord().sets.clear();
        CheckOnly({c.box});
        Enter(c.edit, c.typed);
        EXPECT_EQ(Save(), c.sent);
        EXPECT_EQ(LastTip(), c.tip);
        if (*c.tip != L'\0') {
            EXPECT_TRUE(m_driver.Focused(c.edit));
        }
    }
}

TEST_F(CarPage, ReportingRadiosSendAllOnesWithoutAButton) {
    struct Case {
        const char* what;
        Bytes list;
        Bytes sent;
    } cases[] = {
        {"never reported", List({}), List({U32(0x20, 0xFFFFFFFF), U32(0x21, 0xFFFFFFFF)})},
        {"reported", List({U32(0x20, 1), U32(0x21, 0)}), List({U32(0x20, 1), U32(0x21, 0)})},
        {"a later load without them keeps them", List({U32(0x55, 80)}),
         List({U32(0x20, 1), U32(0x21, 0)})},
        {"a value no button stands for", List({U32(0x20, 7), Item(0x21, {1})}),
         List({U32(0x20, 0xFFFFFFFF), U32(0x21, 1)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.list);
        CheckOnly({7, 8});
        EXPECT_EQ(Save(), c.sent);
    }
}

TEST_F(CarPage, MarginBoxesFollowOnlyTheFirstLoad) {
    const Bytes margins = List({U16(0x5B, 30), U16(0x5C, 600)});
    Load(margins);
    EXPECT_TRUE(m_page.IsGroupChecked(18));
    EXPECT_TRUE(m_page.IsGroupChecked(19));
    m_driver.Click(kBox0 + 18);
    Load(margins);
    EXPECT_FALSE(m_page.IsGroupChecked(18));
    EXPECT_TRUE(m_page.IsGroupChecked(19));
}

TEST_F(CarPage, TerminalsKeepingTheirOdometer) {
    for (int subType : {23, 29}) {
        SCOPED_TRACE(subType);
        TheDeviceProfile().devType = 6;
        TheDeviceProfile().devSubType = subType;
        m_page.ApplyDeviceProfile();
        Load(List({U32(0x80, 5000)}));
        CheckOnly({2});
        m_driver.Type(CDlgCarSetup::kOdometerId, L"1");
        const bool locked = subType == 29;
        EXPECT_EQ(Text(CDlgCarSetup::kOdometerId), locked ? L"5000" : L"15000");
        EXPECT_EQ(Save(), locked ? List({}) : List({U32(0x80, 15000)}));
    }
}

}  // namespace
}  // namespace mdvr::test
