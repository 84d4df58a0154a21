// Pages 16 and 17: the interval photo schedule and night driving, as a terminal's odd records and
// an operator's edits meet them.
#include <gtest/gtest.h>

#include "pages/CDlgNightSetup.h"
#include "pages/CDlgRegion.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

// A clamped edit's text after typing or a spin step, from a given text.
struct ClampCase {
    const wchar_t* before;
    const wchar_t* typed;  // null: a spin step instead
    int step;
    const wchar_t* shown;
};

void ExpectClamped(ui::IView& view, ui::DialogDriver& driver, int edit, int spin,
                   std::span<const ClampCase> cases) {
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.shown);
        view.SetText(edit, c.before);
        if (c.typed != nullptr) {
            view.SetText(edit, L"");
            driver.Type(edit, c.typed);
        } else {
            driver.Spin(spin, c.step);
        }
        EXPECT_EQ(driver.Text(edit), c.shown);
    }
}

ui::DateTime Clock(int hour, int minute, int second = 0) {
    ui::DateTime t = LocalNow();
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

int HourMinute(const ui::DateTime& t) {
    return t.hour * 100 + t.minute;
}

// --- interval photo schedule ---

using RegionPage = PageFixture<CDlgRegion>;
constexpr int kStart0 = CDlgRegion::kFirstStartId;
constexpr int kEnd0 = CDlgRegion::kFirstEndId;
constexpr int kInterval0 = CDlgRegion::kFirstIntervalId;

// Eight windows: the given leading bytes, then zeros.
Bytes Schedule(std::initializer_list<uint8_t> head, size_t size = CDlgRegion::kRecordSize) {
    Bytes value(head);
    value.resize(size);
    return value;
}

Bytes ScheduleList(const Bytes& value) {
    return List({Item(0x1015, value)});
}

TEST_F(RegionPage, TerminalRecordsGoBackByteForByte) {
    struct Case {
        const char* what;
        Bytes value;
        int start0;  // what window 0 shows; 708 the picker's earlier time
        Bytes sent;  // empty: the same value
    } cases[] = {
        {"a plain schedule", Schedule({0x08, 0x30, 0x17, 0x45, 15, 0x22, 0x00, 0x06, 0x00, 255}),
         830, {}},
        {"23 59 00 00 FF", Schedule({0x23, 0x59, 0x00, 0x00, 0xFF}), 2359, {}},
        {"hour 24 keeps the picker", Schedule({0x24, 0x00, 0x01, 0x00, 1}), 708, {}},
        {"minute nibble above 9 keeps the picker", Schedule({0x12, 0x5A, 0x13, 0x00, 1}), 708, {}},
        {"a nibble 0x1A shows as 20 yet goes back as 1A", Schedule({0x1A, 0x00, 0x21, 0x00, 1}),
         2000, {}},
        {"a longer record keeps its tail", Schedule({0x01, 0x00, 0x02, 0x00, 3}, 45), 100, {}},
        {"a short record reads zeros", {0x08, 0x30, 0x09, 0x00, 5, 0x10}, 830,
         Schedule({0x08, 0x30, 0x09, 0x00, 5, 0x10})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_page.View().SetTime(kStart0, {2024, 5, 6, 7, 8, 9});
        Load(ScheduleList(c.value));
        EXPECT_EQ(HourMinute(m_driver.Time(kStart0)), c.start0);
        EXPECT_EQ(Save(), ScheduleList(c.sent.empty() ? c.value : c.sent));
    }
    EXPECT_EQ(HourMinute(m_driver.Time(kEnd0 + 1)), 0);
    EXPECT_EQ(Text(kInterval0 + 1), L"0");
}

TEST_F(RegionPage, OperatorEditsAreSent) {
    Load(ScheduleList(Schedule({0x24, 0x99, 0x1A, 0x00, 1})));
    m_driver.SetTime(kStart0, Clock(8, 30));
    m_driver.SetTime(kEnd0, Clock(8, 30));
    Enter(kInterval0, L"15");
    Enter(kInterval0 + 7, L"abc");  // no number is an interval of 0
    EXPECT_EQ(Save(), ScheduleList(Schedule({0x08, 0x30, 0x08, 0x30, 15})));
}

TEST_F(RegionPage, UntouchedPageSendsItsInitialisationTime) {
    const ui::DateTime init = m_driver.Time(kStart0);
    const auto bcd = [](int v) { return static_cast<uint8_t>(v / 10 * 16 + v % 10); };
    const Bytes window{bcd(init.hour), bcd(init.minute), bcd(init.hour), bcd(init.minute), 0};
    Bytes value;
    for (int r = 0; r < 8; ++r) value.insert(value.end(), window.begin(), window.end());
    EXPECT_EQ(Save(), ScheduleList(value));
}

TEST_F(RegionPage, IntervalClampOnTypingAndSpin) {
    const ClampCase cases[] = {
        {L"", L"300", 0, L"255"},  {L"", L"-5", 0, L"0"}, {L"255", nullptr, 1, L"255"},
        {L"", nullptr, 1, L"1"}, {L"abc", nullptr, 0, L"abc"},
    };
    ExpectClamped(m_page.View(), m_driver, kInterval0 + 3, CDlgRegion::kFirstSpinId + 3, cases);
}

TEST_F(RegionPage, WindowStartingAfterItsEndIsRefused) {
    Load(ScheduleList(Schedule({0x22, 0x00, 0x06, 0x00, 10})));  // the terminal's own night window
    EXPECT_EQ(Save().size(), 46u);
    m_driver.SetTime(kEnd0 + 2, Clock(9, 0));
    m_driver.SetTime(kStart0 + 2, Clock(9, 1));
    ExpectSave({}, L"时段的开始时间不能晚于结束时间");
    m_driver.SetTime(kStart0 + 2, Clock(9, 0));
    EXPECT_EQ(Save().size(), 46u);  // equal times pass
}

// A host that writes an edit behind the page's back bypasses the clamp.
class UnclampedRegion : public CDlgRegion {
  protected:
    bool OnNotify(const ui::Notification& n) override {
        return n.event == ui::Event::TextChange || CDlgRegion::OnNotify(n);
    }
};
using UnclampedRegionPage = PageFixture<UnclampedRegion>;

TEST_F(UnclampedRegionPage, IntervalAbove255IsRefusedWithFocusOnIt) {
    for (const wchar_t* text : {L"256", L"-1"}) {
        m_page.View().SetText(kInterval0 + 5, text);
        m_driver.Focus(kInterval0);
        ExpectSave({}, L"输入的值无效或超出范围");
        EXPECT_TRUE(m_driver.Focused(kInterval0 + 5));
    }
}

// --- night driving ---

using NightPage = PageFixture<CDlgNightSetup>;
using Night = CDlgNightSetup;

Bytes NightList(const Bytes& limit, const Bytes& movement) {
    return List({Item(0xF001, limit), Item(0xF002, movement)});
}

TEST_F(NightPage, UntouchedPageSendsSwitchesOffAndMidnight) {
    EXPECT_EQ(Text(Night::kPercentId), L"");
    EXPECT_EQ(m_driver.Text(Night::kLimitSwitchId), L"关闭");
    EXPECT_EQ(Save(), NightList(Bytes(8, 0), Bytes(7, 0)));
}

TEST_F(NightPage, TerminalRecordsAndWhatGoesBack) {
    const Bytes odd[] = {{0, 50, 0x24, 0x00, 0x00, 0x1A, 0x5F, 0x99},
                         {0, 0x2B, 0x61, 0, 0x99, 0x99, 0x99}};
    const LoadCase cases[] = {
        {"plain records go back as they came",
         NightList({1, 80, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0x23, 0, 0, 0x05, 0, 0}),
         {{Night::kPercentId, L"80"}}},
        {"odd BCD goes back untouched", NightList(odd[0], odd[1]), {{Night::kPercentId, L"50"}}},
        {"any switch byte but 0 is on",
         NightList({5, 10, 0, 0, 0, 0, 0, 0}, {0xFF, 0, 0, 0, 0, 0, 0}), {}, {},
         NightList({1, 10, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0})},
        {"a percentage above 100 shows and goes as 100",
         NightList({0, 200, 0, 0, 0, 0, 0, 0}, Bytes(7, 0)), {{Night::kPercentId, L"100"}}, {},
         NightList({0, 100, 0, 0, 0, 0, 0, 0}, Bytes(7, 0))},
        {"short records read zeros past their end", NightList({1, 0x50}, {1, 0x21}),
         {{Night::kPercentId, L"80"}}, {},
         NightList({1, 0x50, 0, 0, 0, 0, 0, 0}, {1, 0x21, 0, 0, 0, 0, 0})},
    };
    for (const LoadCase& c : cases) RunLoadCase(c);
}

TEST_F(NightPage, InvalidTerminalTimeShowsThePreviousTimeUntilEdited) {
    m_driver.SetTime(Night::kLimitStartId, Clock(21, 0));
    Load(NightList({1, 80, 0x24, 0x00, 0x00, 0x1A, 0x00, 0x00}, Bytes(7, 0)));
    EXPECT_EQ(m_driver.Time(Night::kLimitStartId).hour, 21);  // hour 24: the picker keeps its time
    EXPECT_EQ(m_driver.Time(Night::kLimitEndId).hour, 20);    // 0x1A reads as 20
    m_driver.SetTime(Night::kLimitStartId, Clock(22, 30));
    m_driver.SetTime(Night::kLimitEndId, Clock(6, 0));
    EXPECT_EQ(Save(), NightList({1, 80, 0x22, 0x30, 0, 0x06, 0, 0}, Bytes(7, 0)));
}

TEST_F(NightPage, OperatorSetsANightLimit) {
    m_driver.SelectIndex(Night::kLimitSwitchId, 1);
    Enter(Night::kPercentId, L"80");
    m_driver.SetTime(Night::kLimitStartId, Clock(22, 30));
    m_driver.SetTime(Night::kLimitEndId, Clock(6, 0));
    m_driver.SelectIndex(Night::kMoveSwitchId, 1);
    m_driver.SetTime(Night::kMoveEndId, Clock(5, 30, 15));
    EXPECT_EQ(Save(),
              NightList({1, 0x50, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0, 0, 0, 0x05, 0x30, 0x15}));
}

TEST_F(NightPage, PercentageClampOnTypingAndSpin) {
    const ClampCase cases[] = {
        {L"", L"150", 0, L"100"}, {L"100", nullptr, 1, L"100"}, {L"0", nullptr, -1, L"0"},
        {L"42", nullptr, -1, L"41"},
    };
    ExpectClamped(m_page.View(), m_driver, Night::kPercentId, Night::kPercentSpinId, cases);
}

}  // namespace
}  // namespace mdvr::test
