// Page 4: the vehicle page as a terminal and an operator meet it.
#include <gtest/gtest.h>

#include "pages/CDlgCarSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using CarPage = PageFixture<CDlgCarSetup>;
constexpr int kBox0 = CDlgCfgBase::kFirstGroupId;

Bytes U32(uint32_t id, uint32_t v) {
    return NumberItem(id, v);
}
Bytes U16(uint32_t id, uint32_t v) {
    return NumberItem(id, v, 2);
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
}

TEST_F(CarPage, OperatorEditsAndTheirMessages) {
    const EditCase cases[] = {
        {"top speed 300", 0, CDlgCarSetup::kMaxSpeedId, L"300", List({U32(0x55, 300)}), nullptr},
        {"top speed 301", 0, CDlgCarSetup::kMaxSpeedId, L"301", {},
         L"最高速度：输入的值无效或超出范围"},
        {"angle 179", 17, CDlgCarSetup::kAngleId, L"179", List({U32(0x30, 179)}), nullptr},
        {"angle 180", 17, CDlgCarSetup::kAngleId, L"180", {}, L"拐点补传角度：输入的值无效或超出范围"},
        {"an empty interval is left out, not refused", 13, 4413, L"", List({}), nullptr},
        {"a margin keeps its low 16 bits", 19, CDlgCarSetup::kFatigueMarginId, L"70000",
         List({U16(0x5C, 70000 & 0xFFFF)}), nullptr},
        {"a margin of 0", 18, CDlgCarSetup::kOverspeedMarginId, L"0", List({U16(0x5B, 0)}),
         nullptr},
    };
    for (const EditCase& c : cases) RunEditCase(c);
}

TEST_F(CarPage, ReportingRadiosSendAllOnesWithoutAButton) {
    const LoadCase cases[] = {
        {"never reported", List({}), {}, {}, List({U32(0x20, 0xFFFFFFFF), U32(0x21, 0xFFFFFFFF)}),
         {7, 8}},
        {"reported", List({U32(0x20, 1), U32(0x21, 0)}), {}, {}, {}, {7, 8}},
        {"a later load without them keeps them", List({U32(0x55, 80)}), {}, {},
         List({U32(0x20, 1), U32(0x21, 0)}), {7, 8}},
        {"a value no button stands for", List({U32(0x20, 7), Item(0x21, {1})}), {}, {},
         List({U32(0x20, 0xFFFFFFFF), U32(0x21, 1)}), {7, 8}},
    };
    for (const LoadCase& c : cases) RunLoadCase(c);
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
