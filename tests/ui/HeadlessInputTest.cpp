// The platform's default handling of typed, pasted and clicked input, as the headless backend
// gives it, driven through the automation.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "support/MouseScript.h"

namespace mdvr::ui::test {
namespace {

enum class Action { Type, Paste, TypeIme };

struct TextCase {
    const char* name;
    int id;
    Action action;
    const wchar_t* input;
    const wchar_t* expected;
};

const TextCase kTextCases[] = {
    {"DigitsOnlyRefusesTypedLetters", kDigits, Action::Type, L"12a3", L"123"},
    {"DigitsOnlyTakesPastedLetters", kDigits, Action::Paste, L"12a3", L"12a3"},
    {"LimitStopsTyping", kLimited, Action::Type, L"abcdef", L"abcd"},
    {"LimitTruncatesPaste", kLimited, Action::Paste, L"abcdef", L"abcd"},
    {"UpperCaseTyped", kUpper, Action::Type, L"abC1", L"ABC1"},
    {"UpperCasePasted", kUpper, Action::Paste, L"xy", L"XY"},
    {"BackspaceDeletesBeforeCaret", kEdit, Action::Type, L"abc\bd", L"abd"},
    {"BackspaceOnEmptyKeepsEmpty", kEdit, Action::Type, L"\b\b", L""},
    {"ReadOnlyRefusesTyping", kReadOnly, Action::Type, L"x", L"fixed"},
    {"ReadOnlyRefusesPaste", kReadOnly, Action::Paste, L"x", L"fixed"},
    {"SingleLinePastesFirstLine", kEdit, Action::Paste, L"ab\r\ncd", L"ab"},
    {"MultiLinePastesAll", kMultiLine, Action::Paste, L"ab\r\ncd", L"ab\r\ncd"},
    {"MultiLineReturnBreaksLine", kMultiLine, Action::Type, L"a\rb", L"a\r\nb"},
    {"ImeCharsBecomeChars", kDigits, Action::TypeIme, L"1x2", L"12"},
    {"DisabledEditUntouched", kDisabled, Action::Type, L"1", L""},
};

class TextInput : public HeadlessTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextInput, EndsWithExpectedText) {
    const TextCase& c = GetParam();
    switch (c.action) {
        case Action::Type:
            m_driver.Type(c.id, c.input);
            break;
        case Action::Paste:
            m_driver.Paste(c.id, c.input);
            break;
        case Action::TypeIme:
            m_driver.TypeIme(c.id, c.input);
            break;
    }
    EXPECT_EQ(m_driver.Text(c.id), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Edits, TextInput, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
    struct Case {
        int at;
        const wchar_t* expected;
    };
    const Case cases[] = {{0, L"NEWab"}, {1, L"aNEWb"}, {-1, L"abNEW"}, {9, L"abNEW"}};
    for (const Case& c : cases) {
        m_dialog.View().SetText(kEdit, L"ab");
        m_dialog.m_heard.clear();
        m_dialog.View().InsertText(kEdit, c.at, L"NEW");
        EXPECT_EQ(m_driver.Text(kEdit), c.expected) << c.at;
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

struct ClickCase {
    const char* name;
    int id;
    const char* script;  // see PlayMouse
    int check;
    int clicks;
};

const ClickCase kClickCases[] = {
    {"AutoBoxTogglesAndClicks", kAuto, "pI", 1, 1},
    {"ManualBoxClicksWithoutToggle", kManual, "pI", 0, 1},
    {"ReleaseOutsideGivesNothing", kAuto, "poO", 0, 0},
    {"BackInsideBeforeRelease", kAuto, "poiI", 1, 1},
    {"ReleaseWithoutPressGivesNothing", kAuto, "I", 0, 0},
    {"ButtonClicks", kButton, "pI", 0, 1},
    {"RadioChecksItself", kRadio2, "pI", 1, 1},
};

class MouseInput : public HeadlessTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(MouseInput, FollowsThePlatformButtonRule) {
    const ClickCase& c = GetParam();
    mdvr::test::PlayMouse(m_driver, c.id, c.script);
    EXPECT_EQ(m_driver.Check(c.id), c.check);
    const auto events = m_dialog.Events(c.id);
    EXPECT_EQ(std::count(events.begin(), events.end(), Event::Click), c.clicks);
}

INSTANTIATE_TEST_SUITE_P(Buttons, MouseInput, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

struct TabCase {
    int from;
    bool shift;
    int to;
};

TEST_F(HeadlessTest, TabSkipsWhatCannotTakeFocus) {
    const TabCase cases[] = {
        {kStatic, false, kButton},     // from a label to the next tab stop
        {kRadio2, false, kEdit},       // group box skipped
        {kSpinEdit, false, kList},     // up-down skipped
        {kList, false, kMultiLine},    // disabled edit and no-tab-stop button skipped
        {kMultiLine, false, kButton},  // wraps
        {kButton, true, kMultiLine},   // backwards wraps
    };
    for (const TabCase& c : cases) {
        m_dialog.View().SetFocus(c.from);
        m_driver.PressKey(c.from, kKeyTab, false, c.shift);
        EXPECT_TRUE(m_driver.Focused(c.to)) << c.from << " -> " << m_dialog.View().FocusedId();
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

struct SpinCase {
    const wchar_t* start;
    int delta;
    const wchar_t* expected;
};

TEST_F(HeadlessTest, SpinStepsBuddyWithinRange) {
    const SpinCase cases[] = {
        {L"4", 1, L"5"},  {L"5", 1, L"5"}, {L"0", -1, L"0"},
        {L"3", -1, L"2"}, {L"", 1, L"3"},  // not a number: steps from the last position (2)
        {L"9", 1, L"5"},                   // out of range text comes back into it
    };
    m_dialog.View().SetSpinRange(kSpin, 0, 5);
    for (const SpinCase& c : cases) {
        m_dialog.View().SetText(kSpinEdit, c.start);
        m_driver.Spin(kSpin, c.delta);
        EXPECT_EQ(m_driver.Text(kSpinEdit), c.expected) << c.start << " " << c.delta;
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
