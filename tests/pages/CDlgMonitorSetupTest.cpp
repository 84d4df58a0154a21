// Page 3: call behaviour, phone numbers and image settings as a terminal and an operator meet
// them.
#include <gtest/gtest.h>

#include "pages/CDlgMonitorSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgMonitorSetup;
using MonitorPage = PageFixture<CDlgMonitorSetup>;

// In send order.
const Bytes kFull = List({Item(0x45, {0, 0, 0, 1}), Item(0x46, {0, 0, 0x0E, 0x10}),
                          Item(0x47, {0xFF, 0xFF, 0xFF, 0xFF}), TextItem(0x49, "10086"),
                          TextItem(0x48, "13800138000"), Item(0x70, {0, 0, 0, 3}),
                          Item(0x71, {0, 0, 0, 128}), Item(0x72, {0, 0, 0, 64}),
                          Item(0x73, {0, 0, 0, 64}), Item(0x74, {0, 0, 0, 128}),
                          TextItem(0x40, "02088886666"), TextItem(0x42, "13900139000"),
                          TextItem(0x44, "13700137000"), TextItem(0x43, "106900"),
                          TextItem(0x41, "13600136000")});

TEST_F(MonitorPage, ListReceivedAndSavedUneditedGoesBackInSendOrder) {
    Load(kFull);
    EXPECT_EQ(m_driver.Check(Page::kAccAnswerId), 1);
    EXPECT_EQ(Save(), kFull);
}

TEST_F(MonitorPage, TerminalValuesThePageCannotShow) {
    const LoadCase cases[] = {
        {"an unknown answer strategy goes back as it came", List({Item(0x45, {0, 0, 0, 2})}), {},
         {}, {}, {0}},
        {"a quality outside 1 to 10 clears the selection", List({Item(0x70, {0, 0, 0, 11})}), {},
         {}, List({Item(0x70, {0, 0, 0, 0})}), {5}},
        {"a short quality item reads as its one byte", List({Item(0x70, {4})}), {}, {},
         List({Item(0x70, {0, 0, 0, 4})}), {5}},
    };
    for (const LoadCase& c : cases) {
        Load(List({Item(0x45, {0, 0, 0, 0}), Item(0x70, {0, 0, 0, 5})}));
        RunLoadCase(c);
    }
    EXPECT_EQ(m_driver.Check(Page::kAutoAnswerId), 1);  // strategy 2 left the radios alone
}

TEST_F(MonitorPage, OperatorEdits) {
    const EditCase cases[] = {
        {"brightness 128", 6, Page::kBrightnessId, L"128", List({Item(0x71, {0, 0, 0, 0x80})}),
         nullptr},
        {"contrast past 127", 7, 1104, L"128", {}, L"对比度"},
        {"call limit at its top", 1, Page::kCallLimitId, L"4294967295",
         List({Item(0x46, {0xFF, 0xFF, 0xFF, 0xFF})}), nullptr},
        {"call limit past 32 bits", 1, Page::kCallLimitId, L"4294967296", {}, L"每次最长通话时间"},
        {"call limit with a leading zero", 1, Page::kCallLimitId, L"0300", {}, L"每次最长通话时间"},
        {"an empty platform number sends no item", 10, Page::kPlatformPhoneId, L"", {0}, nullptr},
        {"a platform number with a dash", 10, Page::kPlatformPhoneId, L"020-888", {},
         L"监控平台电话号码"},
        {"the privileged SMS number takes any text", 3, 1094, L"+86 10086",
         List({TextItem(0x49, "+86 10086")}), nullptr},
    };
    for (const EditCase& c : cases) {
        RunEditCase(c);
        EXPECT_TRUE(c.tip == nullptr || LastTip().starts_with(c.tip)) << LastTip();
    }
}

TEST_F(MonitorPage, RadiosSetTheStrategyAndANewPageSendsZero) {
    CheckOnly({0});
    EXPECT_EQ(Save(), List({Item(0x45, {0, 0, 0, 0})}));
    m_driver.Click(Page::kAccAnswerId);
    EXPECT_EQ(Save(), List({Item(0x45, {0, 0, 0, 1})}));
    m_driver.Click(Page::kAutoAnswerId);
    EXPECT_EQ(Save(), List({Item(0x45, {0, 0, 0, 0})}));
}

}  // namespace
}  // namespace mdvr::test
