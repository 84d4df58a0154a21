// The platform's default handling of typed, pasted and clicked input, as the headless backend
// gives it, driven through the automation.
#include <gtest/gtest.h>

#include <tuple>

#include "TestDialog.h"
#include "support/MouseScript.h"

namespace mdvr::ui::test {
namespace {

// Typed, pasted and IME input on a control starting with the given text.
TEST_F(HeadlessTest, EditsEndWithTheExpectedText) {
    struct Case {
        const char* name;
        int id;
        const char* how;  // "type", "paste" or "ime"
        const wchar_t *start, *input, *expected;
    };
    const Case cases[] = {
        {"DigitsOnlyRefusesTypedLetters", kDigits, "type", L"", L"12a3", L"123"},
        {"DigitsOnlyTakesPastedLetters", kDigits, "paste", L"", L"12a3", L"12a3"},
        {"LimitStopsTyping", kLimited, "type", L"", L"abcdef", L"abcd"},
        {"LimitTruncatesPaste", kLimited, "paste", L"", L"abcdef", L"abcd"},
        {"UpperCaseTyped", kUpper, "type", L"", L"abC1", L"ABC1"},
        {"UpperCasePasted", kUpper, "paste", L"", L"xy", L"XY"},
        {"BackspaceDeletesBeforeCaret", kEdit, "type", L"", L"abc\bd", L"abd"},
        {"BackspaceOnEmptyKeepsEmpty", kEdit, "type", L"", L"\b\b", L""},
        {"ReadOnlyRefusesTyping", kReadOnly, "type", L"fixed", L"x", L"fixed"},
        {"ReadOnlyRefusesPaste", kReadOnly, "paste", L"fixed", L"x", L"fixed"},
        {"SingleLinePastesFirstLine", kEdit, "paste", L"", L"ab\r\ncd", L"ab"},
        {"MultiLinePastesAll", kMultiLine, "paste", L"", L"ab\r\ncd", L"ab\r\ncd"},
        {"MultiLineReturnBreaksLine", kMultiLine, "type", L"", L"a\rb", L"a\r\nb"},
        {"ImeCharsBecomeChars", kDigits, "ime", L"", L"1x2", L"12"},
        {"DisabledEditUntouched", kDisabled, "type", L"", L"1", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View().SetText(c.id, c.start);
        const std::string how = c.how;
        if (how == "type") m_driver.Type(c.id, c.input);
        if (how == "paste") m_driver.Paste(c.id, c.input);
        if (how == "ime") m_driver.TypeIme(c.id, c.input);
        EXPECT_EQ(m_driver.Text(c.id), c.expected);
    }
}

TEST_F(HeadlessTest, UnreachableControlsRefuseInput) {
    EXPECT_FALSE(m_driver.Type(kDisabled, L"1"));
    EXPECT_FALSE(m_driver.Click(999));
    m_dialog.View().Show(kEdit, false);
    EXPECT_FALSE(m_driver.Type(kEdit, L"1"));
    m_dialog.View().ShowWindow(false);
    EXPECT_FALSE(m_driver.Click(kButton));
    EXPECT_TRUE(m_dialog.m_heard.empty());
}

TEST_F(HeadlessTest, ConsumedInputGetsNoDefaultHandling) {
    Interceptor eatX([](const Notification& n) {
        return (n.event == Event::Char || n.event == Event::ImeChar) && n.key == L'x';
    });
    m_dialog.Attach(kEdit, eatX);
    EXPECT_EQ(eatX.m_attached, 1);
    m_driver.Type(kEdit, L"axb");
    m_driver.TypeIme(kEdit, L"x");
    EXPECT_EQ(m_driver.Text(kEdit), L"ab");
    const std::vector<Event> expected{Event::SetFocus, Event::Char, Event::TextChange, Event::Char,
                                      Event::TextChange};
    EXPECT_EQ(m_dialog.Events(kEdit), expected);  // the consumed ones never reach the dialog
}

TEST_F(HeadlessTest, PasteNotifiesAndReplacesTheSelection) {
    m_driver.Type(kEdit, L"abcd");
    m_dialog.View().SelectText(kEdit, 1, 3);
    m_dialog.m_heard.clear();
    m_driver.Paste(kEdit, L"XY");
    EXPECT_EQ(m_dialog.Events(kEdit), (std::vector<Event>{Event::Pasted, Event::TextChange}));
    EXPECT_EQ(m_automation.Backend().ClipboardText(), L"XY");
    m_driver.Type(kEdit, L"!");
    EXPECT_EQ(m_driver.Text(kEdit), L"aXY!d");  // the caret follows the pasted text
}

TEST_F(HeadlessTest, ProgramSettersNotifyOnlyEditText) {
    IView& view = m_dialog.View();
    view.SetText(kEdit, L"x");
    view.SetText(kStatic, L"y");
    view.SetCheck(kAuto, 1);
    view.AddEntry(kCombo, L"a", 7);
    view.SetSel(kCombo, 0);
    view.SetTime(kTime, {2024, 2, 29, 23, 59, 0});
    EXPECT_EQ(m_dialog.m_heard.size(), 1u);
    EXPECT_EQ(m_dialog.Events(kEdit), std::vector<Event>{Event::TextChange});
    EXPECT_EQ(m_driver.Text(kStatic), L"y");
    EXPECT_EQ(m_driver.Check(kAuto), 1);
    EXPECT_EQ(m_driver.Text(kCombo), L"a");
}

TEST_F(HeadlessTest, InsertedProgramTextKeepsTheRest) {
    const std::pair<int, const wchar_t*> cases[] = {
        {0, L"NEWab"}, {1, L"aNEWb"}, {-1, L"abNEW"}, {9, L"abNEW"}};
    for (const auto& [at, expected] : cases) {
        m_dialog.View().SetText(kEdit, L"ab");
        m_dialog.m_heard.clear();
        m_dialog.View().InsertText(kEdit, at, L"NEW");
        EXPECT_EQ(m_driver.Text(kEdit), expected) << at;
        ASSERT_EQ(m_dialog.m_heard.size(), 1u);
        EXPECT_EQ(m_dialog.m_heard[0].event, Event::TextChange);
    }
    m_dialog.View().SetText(kStatic, L"y");
    m_dialog.View().InsertText(kStatic, 0, L"x");
    EXPECT_EQ(m_driver.Text(kStatic), L"y");  // edits only
}

TEST_F(HeadlessTest, ProgramTextIgnoresLimitButTypingHonoursIt) {
    m_dialog.View().SetText(kLimited, L"abcdef");
    EXPECT_EQ(m_driver.Text(kLimited), L"abcdef");
    m_dialog.View().SetTextLimit(kLimited, 7);
    m_driver.Type(kLimited, L"xyz");
    EXPECT_EQ(m_driver.Text(kLimited), L"xabcdef");  // program text leaves the caret at the start
}

// --- buttons and check boxes ---

TEST_F(HeadlessTest, ButtonsFollowThePlatformRule) {
    struct Case {
        const char* name;
        int id;
        const char* script;  // see PlayMouse
        int check, clicks;
    };
    const Case cases[] = {
        {"AutoBoxTogglesAndClicks", kAuto, "pI", 1, 1},
        {"ManualBoxClicksWithoutToggle", kManual, "pI", 0, 1},
        {"ReleaseOutsideGivesNothing", kAuto, "poO", 0, 0},
        {"BackInsideBeforeRelease", kAuto, "poiI", 1, 1},
        {"ReleaseWithoutPressGivesNothing", kAuto, "I", 0, 0},
        {"ButtonClicks", kButton, "pI", 0, 1},
        {"RadioChecksItself", kRadio2, "pI", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        View().SetCheck(c.id, 0);
        m_dialog.m_heard.clear();
        mdvr::test::PlayMouse(m_driver, c.id, c.script);
        EXPECT_EQ(m_driver.Check(c.id), c.check);
        const auto events = m_dialog.Events(c.id);
        EXPECT_EQ(std::count(events.begin(), events.end(), Event::Click), c.clicks);
    }
}

TEST_F(HeadlessTest, CheckBoxStateIsSetBeforeItsClick) {
    int seen = -1;
    m_dialog.m_react = [&seen](TestDialog& d, const Notification& n) {
        if (n.event == Event::Click) seen = d.View().GetCheck(n.id);
        return false;
    };
    m_driver.Click(kAuto);
    EXPECT_EQ(seen, 1);
    m_driver.Click(kAuto);
    EXPECT_EQ(seen, 0);
}

TEST_F(HeadlessTest, RadioClearsItsSiblings) {
    m_driver.Click(kRadio1);
    m_driver.Click(kRadio2);
    EXPECT_EQ(m_driver.Check(kRadio1), 0);
    EXPECT_EQ(m_driver.Check(kRadio2), 1);
}

// --- focus ---

TEST_F(HeadlessTest, FocusChangeKillsOldThenSetsNew) {
    m_driver.Focus(kEdit);
    m_dialog.m_heard.clear();
    m_driver.Focus(kDigits);
    EXPECT_EQ(m_dialog.Events(kEdit), std::vector<Event>{Event::KillFocus});
    EXPECT_EQ(m_dialog.Events(kDigits), std::vector<Event>{Event::SetFocus});
    EXPECT_EQ(m_dialog.m_heard.front().event, Event::KillFocus);
    EXPECT_EQ(m_dialog.View().FocusedId(), kDigits);
}

TEST_F(HeadlessTest, TabSkipsWhatCannotTakeFocus) {
    const std::tuple<int, bool, int> cases[] = {
        {kStatic, false, kButton},     // from a label to the next tab stop
        {kRadio2, false, kEdit},       // group box skipped
        {kSpinEdit, false, kList},     // up-down skipped
        {kList, false, kMultiLine},    // disabled edit and no-tab-stop button skipped
        {kMultiLine, false, kButton},  // wraps
        {kButton, true, kMultiLine},   // backwards wraps
    };
    for (const auto& [from, shift, to] : cases) {
        m_dialog.View().SetFocus(from);
        m_driver.PressKey(from, kKeyTab, false, shift);
        EXPECT_TRUE(m_driver.Focused(to)) << from << " -> " << m_dialog.View().FocusedId();
    }
}

TEST_F(HeadlessTest, KeysOnEditsDeleteCopyAndPaste) {
    m_driver.Type(kEdit, L"abc");
    m_dialog.View().SelectText(kEdit, 0, 1);
    m_driver.PressKey(kEdit, kKeyDelete);
    EXPECT_EQ(m_driver.Text(kEdit), L"bc");
    m_dialog.View().SelectText(kEdit, 0, -1);
    m_driver.PressKey(kEdit, 'C', true);
    EXPECT_EQ(m_automation.Backend().ClipboardText(), L"bc");
    m_driver.PressKey(kEdit, kKeyBack);
    m_driver.PressKey(kDigits, 'V', true);
    EXPECT_EQ(m_driver.Text(kEdit), L"");
    EXPECT_EQ(m_driver.Text(kDigits), L"bc");
}

// --- spin, combo, time ---

TEST_F(HeadlessTest, SpinStepsBuddyWithinRange) {
    const std::tuple<const wchar_t*, int, const wchar_t*> cases[] = {
        {L"4", 1, L"5"},  {L"5", 1, L"5"}, {L"0", -1, L"0"},
        {L"3", -1, L"2"}, {L"", 1, L"3"},  // not a number: steps from the last position (2)
        {L"9", 1, L"5"},                   // out of range text comes back into it
    };
    m_dialog.View().SetSpinRange(kSpin, 0, 5);
    for (const auto& [start, delta, expected] : cases) {
        m_dialog.View().SetText(kSpinEdit, start);
        m_driver.Spin(kSpin, delta);
        EXPECT_EQ(m_driver.Text(kSpinEdit), expected) << start << " " << delta;
    }
}

TEST_F(HeadlessTest, ConsumedSpinLeavesBuddy) {
    Interceptor eat([](const Notification& n) { return n.event == Event::Spin; });
    m_dialog.Attach(kSpin, eat);
    m_dialog.View().SetText(kSpinEdit, L"1");
    m_driver.Spin(kSpin, 1);
    EXPECT_EQ(m_driver.Text(kSpinEdit), L"1");
    ASSERT_EQ(eat.m_seen.size(), 1u);
    EXPECT_EQ(eat.m_seen[0].delta, 1);
}

TEST_F(HeadlessTest, ComboSelectionByDataAndIndex) {
    IView& view = m_dialog.View();
    for (uint32_t data : {10u, 20u, 30u}) view.AddEntry(kCombo, std::to_wstring(data), data);
    EXPECT_TRUE(m_driver.SelectByData(kCombo, 20));
    EXPECT_EQ(m_driver.Sel(kCombo), 1);
    EXPECT_EQ(m_driver.SelData(kCombo), 20u);
    EXPECT_FALSE(m_driver.SelectByData(kCombo, 40));
    EXPECT_FALSE(m_driver.SelectIndex(kCombo, 3));
    EXPECT_TRUE(m_driver.SelectIndex(kCombo, 2));
    EXPECT_EQ(m_dialog.Events(kCombo), (std::vector<Event>{Event::SelChange, Event::SelChange}));
    view.ClearEntries(kCombo);
    EXPECT_EQ(m_driver.Sel(kCombo), -1);
}

TEST_F(HeadlessTest, TimePickerShowsItsFormatAndRefusesBadTimes) {
    m_dialog.View().SetTimeFormat(kTime, L"HH : mm");
    EXPECT_TRUE(m_driver.SetTime(kTime, {2024, 5, 6, 7, 8, 9}));
    EXPECT_EQ(m_driver.Text(kTime), L"07 : 08");
    EXPECT_FALSE(m_driver.SetTime(kTime, {2023, 2, 29, 0, 0, 0}));
    EXPECT_EQ(m_dialog.View().GetTime(kTime), (DateTime{2024, 5, 6, 7, 8, 9}));
    EXPECT_EQ(m_dialog.Events(kTime), std::vector<Event>{Event::TimeChange});
}

}  // namespace
}  // namespace mdvr::ui::test
