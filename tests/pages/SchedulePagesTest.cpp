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

// --- interval photo schedule ---

using RegionPage = PageFixture<CDlgRegion>;
constexpr int kStart0 = CDlgRegion::kFirstStartId;
constexpr int kEnd0 = CDlgRegion::kFirstEndId;
constexpr int kInterval0 = CDlgRegion::kFirstIntervalId;
constexpr int kSpin0 = CDlgRegion::kFirstSpinId;

// Eight windows: the given leading bytes, then zeros.
Bytes Schedule(std::initializer_list<uint8_t> head, size_t size = CDlgRegion::kRecordSize) {
    Bytes value(head);
    value.resize(size);
    return value;
}

Bytes ScheduleList(const Bytes& value) {
    Bytes list{1, 0x00, 0x00, 0x10, 0x15, static_cast<uint8_t>(value.size())};
    list.insert(list.end(), value.begin(), value.end());
    return list;
}

ui::DateTime Clock(int hour, int minute) {
    ui::DateTime t = LocalNow();
    t.hour = hour;
    t.minute = minute;
    return t;
}

TEST_F(RegionPage, TerminalRecordsGoBackByteForByte) {
    const ui::DateTime before{2024, 5, 6, 7, 8, 9};
    struct Case {
        const char* what;
        Bytes value;
        int startHour, startMinute;  // what window 0 shows
    } cases[] = {
        {"a plain schedule", Schedule({0x08, 0x30, 0x17, 0x45, 15, 0x22, 0x00, 0x06, 0x00, 255}), 8,
         30},
        {"23 59 00 00 FF", Schedule({0x23, 0x59, 0x00, 0x00, 0xFF}), 23, 59},
        {"hour 24 keeps the picker", Schedule({0x24, 0x00, 0x01, 0x00, 1}), 7, 8},
        {"minute nibble above 9 keeps the picker", Schedule({0x12, 0x5A, 0x13, 0x00, 1}), 7, 8},
        {"a nibble 0x1A shows as 20 yet goes back as 1A", Schedule({0x1A, 0x00, 0x21, 0x00, 1}), 20,
         0},
        {"a longer record keeps its tail", Schedule({0x01, 0x00, 0x02, 0x00, 3}, 45), 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_page.View().SetTime(kStart0, before);
        Load(ScheduleList(c.value));
        const ui::DateTime shown = m_driver.Time(kStart0);
        EXPECT_EQ(shown.hour * 100 + shown.minute, c.startHour * 100 + c.startMinute);
        EXPECT_EQ(Save(), ScheduleList(c.value));
    }
}

TEST_F(RegionPage, ShortRecordReadsZerosNotTheNextItem) {
    Load(List({Item(0x1015, {0x08, 0x30, 0x09, 0x00, 5, 0x10}),
               Item(0x0001, {0x11, 0x22, 0x33, 0x44, 0x55})}));
    EXPECT_EQ(Text(kInterval0), L"5");
    EXPECT_EQ(Text(kInterval0 + 1), L"0");
    EXPECT_EQ(m_driver.Time(kStart0 + 1).hour, 10);
    EXPECT_EQ(m_driver.Time(kEnd0 + 1).hour, 0);
    EXPECT_EQ(Save(), ScheduleList(Schedule({0x08, 0x30, 0x09, 0x00, 5, 0x10})));
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
    const Bytes sent = Save();
    ASSERT_EQ(sent.size(), 46u);
    for (ptrdiff_t r = 0; r < 8; ++r) {
        SCOPED_TRACE(r);
        const Bytes record(sent.begin() + 6 + 5 * r, sent.begin() + 11 + 5 * r);
        EXPECT_EQ(record,
                  (Bytes{bcd(init.hour), bcd(init.minute), bcd(init.hour), bcd(init.minute), 0}));
    }
}

TEST_F(RegionPage, IntervalClampOnTypingAndSpin) {
    const ClampCase cases[] = {
        {L"", L"256", 0, L"255"},  {L"", L"300", 0, L"255"},     {L"", L"-5", 0, L"0"},
        {L"", L"12", 0, L"12"},    {L"255", nullptr, 1, L"255"}, {L"7", nullptr, 1, L"8"},
        {L"0", nullptr, -1, L"0"}, {L"", nullptr, 1, L"1"},      {L"abc", nullptr, 0, L"abc"},
    };
    ExpectClamped(m_page.View(), m_driver, kInterval0 + 3, kSpin0 + 3, cases);
}

TEST_F(RegionPage, WindowStartingAfterItsEndIsRefused) {
    Load(ScheduleList(Schedule({0x22, 0x00, 0x06, 0x00, 10})));  // the terminal's own night window
    EXPECT_EQ(Save().size(), 46u);
    m_driver.SetTime(kEnd0 + 2, Clock(9, 0));
    m_driver.SetTime(kStart0 + 2, Clock(9, 1));
    EXPECT_EQ(Save(), Bytes{});
    EXPECT_EQ(LastTip(), L"时段的开始时间不能晚于结束时间");
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
        SCOPED_TRACE(testing::Message() << text);
        m_page.View().SetText(kInterval0 + 5, text);
        m_driver.Focus(kInterval0);
        EXPECT_EQ(Save(), Bytes{});
        EXPECT_EQ(LastTip(), L"输入的值无效或超出范围");
        EXPECT_TRUE(m_driver.Focused(kInterval0 + 5));
    }
}

TEST_F(RegionPage, QueryAndBatchKind) {
    EXPECT_EQ(QueryList(), (Bytes{1, 0x00, 0x00, 0x10, 0x15}));
    uint32_t kind = 0;
    uint32_t extra = 7;
    m_page.GetBatchKind(&kind, &extra);
    EXPECT_EQ(kind, 0x2Au);
    EXPECT_EQ(extra, 0u);
}

// --- night driving ---

using NightPage = PageFixture<CDlgNightSetup>;
using Night = CDlgNightSetup;

Bytes NightList(const Bytes& limit, const Bytes& movement) {
    Bytes list{2, 0x00, 0x00, 0xF0, 0x01, static_cast<uint8_t>(limit.size())};
    list.insert(list.end(), limit.begin(), limit.end());
    const Bytes head{0x00, 0x00, 0xF0, 0x02, static_cast<uint8_t>(movement.size())};
    list.insert(list.end(), head.begin(), head.end());
    list.insert(list.end(), movement.begin(), movement.end());
    return list;
}

ui::DateTime ClockSec(int hour, int minute, int second) {
    ui::DateTime t = Clock(hour, minute);
    t.second = second;
    return t;
}

TEST_F(NightPage, UntouchedPageSendsSwitchesOffAndMidnight) {
    EXPECT_EQ(Text(Night::kPercentId), L"");
    EXPECT_EQ(m_driver.Text(Night::kLimitSwitchId), L"关闭");
    EXPECT_EQ(Save(), NightList(Bytes(8, 0), Bytes(7, 0)));
    EXPECT_EQ(QueryList(), (Bytes{2, 0, 0, 0xF0, 0x01, 0, 0, 0xF0, 0x02}));
    uint32_t kind = 0;
    uint32_t extra = 7;
    m_page.GetBatchKind(&kind, &extra);
    EXPECT_EQ(kind, 0x58u);
}

TEST_F(NightPage, TerminalRecordsAndWhatGoesBack) {
    struct Case {
        const char* what;
        Bytes limit, movement;
        const wchar_t* percent;
        Bytes sentLimit, sentMovement;
    } cases[] = {
        {"plain records go back as they came",
         {1, 80, 0x22, 0x30, 0, 0x06, 0, 0},
         {1, 0x23, 0, 0, 0x05, 0, 0},
         L"80",
         {1, 80, 0x22, 0x30, 0, 0x06, 0, 0},
         {1, 0x23, 0, 0, 0x05, 0, 0}},
        {"odd BCD goes back untouched",
         {0, 50, 0x24, 0x00, 0x00, 0x1A, 0x5F, 0x99},
         {0, 0x2B, 0x61, 0, 0x99, 0x99, 0x99},
         L"50",
         {0, 50, 0x24, 0x00, 0x00, 0x1A, 0x5F, 0x99},
         {0, 0x2B, 0x61, 0, 0x99, 0x99, 0x99}},
        {"any switch byte but 0 is on",
         {5, 10, 0, 0, 0, 0, 0, 0},
         {0xFF, 0, 0, 0, 0, 0, 0},
         L"10",
         {1, 10, 0, 0, 0, 0, 0, 0},
         {1, 0, 0, 0, 0, 0, 0}},
        {"a percentage above 100 shows and goes as 100",
         {0, 200, 0, 0, 0, 0, 0, 0},
         Bytes(7, 0),
         L"100",
         {0, 100, 0, 0, 0, 0, 0, 0},
         Bytes(7, 0)},
        {"short records read zeros past their end",
         {1, 0x50},
         {1, 0x21},
         L"80",
         {1, 0x50, 0, 0, 0, 0, 0, 0},
         {1, 0x21, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(NightList(c.limit, c.movement));
        EXPECT_EQ(Text(Night::kPercentId), c.percent);
        EXPECT_EQ(Save(), NightList(c.sentLimit, c.sentMovement));
    }
}

TEST_F(NightPage, InvalidTerminalTimeShowsThePreviousTimeUntilEdited) {
    m_driver.SetTime(Night::kLimitStartId, ClockSec(21, 0, 0));
    Load(NightList({1, 80, 0x24, 0x00, 0x00, 0x1A, 0x00, 0x00}, Bytes(7, 0)));
    EXPECT_EQ(m_driver.Time(Night::kLimitStartId).hour, 21);  // hour 24: the picker keeps its time
    EXPECT_EQ(m_driver.Time(Night::kLimitEndId).hour, 20);    // 0x1A reads as 20
    m_driver.SetTime(Night::kLimitStartId, ClockSec(22, 30, 0));
    m_driver.SetTime(Night::kLimitEndId, ClockSec(6, 0, 0));
    EXPECT_EQ(Save(), NightList({1, 80, 0x22, 0x30, 0, 0x06, 0, 0}, Bytes(7, 0)));
}

TEST_F(NightPage, OperatorSetsANightLimit) {
    m_driver.SelectIndex(Night::kLimitSwitchId, 1);
    Enter(Night::kPercentId, L"80");
    m_driver.SetTime(Night::kLimitStartId, ClockSec(22, 30, 0));
    m_driver.SetTime(Night::kLimitEndId, ClockSec(6, 0, 0));
    m_driver.SelectIndex(Night::kMoveSwitchId, 1);
    m_driver.SetTime(Night::kMoveEndId, ClockSec(5, 30, 15));
    EXPECT_EQ(Save(),
              NightList({1, 0x50, 0x22, 0x30, 0, 0x06, 0, 0}, {1, 0, 0, 0, 0x05, 0x30, 0x15}));
}

TEST_F(NightPage, PercentageClampOnTypingAndSpin) {
    const ClampCase cases[] = {
        {L"", L"150", 0, L"100"}, {L"", L"100", 0, L"100"},  {L"100", nullptr, 1, L"100"},
        {L"", nullptr, 1, L"1"},  {L"0", nullptr, -1, L"0"}, {L"42", nullptr, -1, L"41"},
    };
    ExpectClamped(m_page.View(), m_driver, Night::kPercentId, Night::kPercentSpinId, cases);
}

}  // namespace
}  // namespace mdvr::test
