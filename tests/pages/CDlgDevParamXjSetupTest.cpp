// Page 19: the regional extension set - phone number, long-standby reporting and control
// switches - as a terminal and an operator meet them.
#include <gtest/gtest.h>

#include "pages/CDlgDevParamXjSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgDevParamXjSetup;
using RegionalPage = PageFixture<CDlgDevParamXjSetup>;

Bytes PhoneItem(uint32_t id) {
    return TextItem(id, "13800001004");
}

const Bytes kSettings[] = {Item(0xF001, {2}),          Item(0xF002, {0, 0, 0x0E, 0x10}),
                           Item(0xF003, {0x02, 0x58}), Item(0xF004, {0, 30}),
                           Item(0xF005, {1}),          Item(0xF006, {0}),
                           Item(0xF007, {1}),          Item(0xF008, {0})};

Bytes Listed(const Bytes& phone) {
    Bytes out{9};
    out.insert(out.end(), phone.begin(), phone.end());
    for (const Bytes& item : kSettings) out.insert(out.end(), item.begin(), item.end());
    return out;
}

// The phone number goes back under the ID the terminal takes it on; the rest byte for byte.
TEST_F(RegionalPage, ListReceivedAndSavedUneditedGoesBackWithThePhoneRenamed) {
    Load(Listed(PhoneItem(0x0085)));
    EXPECT_EQ(Text(Page::kPhoneId), L"13800001004");
    EXPECT_EQ(m_driver.Check(Page::kModeId + 1), 1);
    EXPECT_EQ(Text(Page::kFixedIntervalId), L"3600");
    EXPECT_EQ(Save(), Listed(PhoneItem(0xFF11)));
}

TEST_F(RegionalPage, ValuesATerminalMaySend) {
    const int mode = Page::kModeId, sim = Page::kSimControlId;
    const LoadCase cases[] = {
        {"mode 0 shows and saves vibration detection", List({Item(0xF001, {0})}), {},
         {mode, -(mode + 1)}, List({Item(0xF001, {1})}), {1}},
        {"mode 3 likewise", List({Item(0xF001, {3})}), {}, {mode, -(mode + 1)},
         List({Item(0xF001, {1})}), {1}},
        {"switch 2 shows and saves off", List({Item(0xF006, {2})}), {}, {sim, -(sim + 1)},
         List({Item(0xF006, {0})}), {6}},
        {"a 32-bit standby interval past 16 bits is refused",
         List({Item(0xF003, {0, 1, 0x11, 0x70})}), {{Page::kStandbyIntervalId, L"70000"}}, {},
         Bytes{}, {3}},
        {"an interval above 2^31 keeps its value", List({Item(0xF002, {0xFF, 0xFF, 0xFF, 0xFE})}),
         {}, {}, {}, {2}},
        {"a four-digit phone number stays text", List({Item(0x0085, {'1', '2', '3', '4'})}), {},
         {}, List({Item(0xFF11, {'1', '2', '3', '4'})}), {0}},
    };
    for (const LoadCase& c : cases) RunLoadCase(c);
}

TEST_F(RegionalPage, OperatorEdits) {
    const EditCase cases[] = {
        {"an empty phone number is an empty item", 0, Page::kPhoneId, L"", List({Item(0xFF11, {})}),
         nullptr},
        {"fixed interval at its limit", 2, Page::kFixedIntervalId, L"4294967295",
         List({Item(0xF002, {0xFF, 0xFF, 0xFF, 0xFF})}), nullptr},
        {"fixed interval past 32 bits", 2, Page::kFixedIntervalId, L"4294967296", {},
         L"超长待机设备固定上报模式的值无效!"},
        {"standby interval 65536", 3, Page::kStandbyIntervalId, L"65536", {},
         L"超长待机设备震动检测模式待机状态定时上报间隔的值无效!"},
        {"vibration interval 65536", 4, Page::kVibrationIntervalId, L"65536", {},
         L"超长待机设备震动模式触发震动后定时上报间隔的值无效!"},
        {"an emptied interval sends 0", 4, Page::kVibrationIntervalId, L"",
         List({Item(0xF004, {0, 0})}), nullptr},
    };
    for (const EditCase& c : cases) RunEditCase(c);
}

TEST_F(RegionalPage, SwitchesStartOffAndSendInBoxOrder) {
    CheckOnly({8, 5, 1});
    m_driver.Click(Page::kOverspeedControlId + 1);
    EXPECT_EQ(Save(), List({Item(0xF001, {1}), Item(0xF005, {0}), Item(0xF008, {1})}));
}

}  // namespace
}  // namespace mdvr::test
