#include "controls/CEditBounds.h"
#include "controls/CEditCheck.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

constexpr uint32_t kEditRejected = 0x3401;

class EditControls : public ControlsTest {
  protected:
    // Types text into the bounds edit (or the program sets it) and moves the focus away; the
    // balloons then shown.
    std::vector<ui::Balloon> Leave(const wchar_t* text, bool typed = true) {
        m_driver.Focus(kBoundsEdit);
        View().SetText(kBoundsEdit, typed ? L"" : text);
        if (typed) m_driver.Type(kBoundsEdit, text);
        m_driver.Focus(kOtherEdit);
        return std::exchange(View().Find(kBoundsEdit)->balloons, {});
    }

    void Open() {
        m_dialog.Attach(kBoundsEdit, m_bounds);
        m_dialog.Attach(kCheckEdit, m_check);
        ControlsTest::Open();
    }

    size_t Rejections() const {
        size_t count = 0;
        for (const ui::Notification& n : m_dialog.m_heard) {
            if (n.event != ui::Event::Message || n.message != kEditRejected) continue;
            EXPECT_EQ(n.lParam, reinterpret_cast<intptr_t>(&m_check));
            EXPECT_EQ(n.wParam, 0);
            ++count;
        }
        return count;
    }

    CEditBounds m_bounds;
    CEditCheck m_check;
};

void ExpectError(const std::vector<ui::Balloon>& balloons, const wchar_t* text) {
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].title, L"Input error");
    EXPECT_EQ(balloons[0].text, text);
    EXPECT_EQ(balloons[0].icon, ui::BalloonIcon::Error);
}

TEST_F(EditControls, BalloonOnLeavingTheFieldOutsideTheRange) {
    struct Step {
        const char* setup;  // "32", "64" or "" (no range set)
        int64_t min, max;
        const wchar_t* text;
        const wchar_t* balloon;  // null: none
        bool typed = true;       // else the program set the text
    };
    const Step steps[] = {
        {"", 0, 0, L"99999", nullptr},
        {"", 0, 0, L"-1", nullptr},
        {"32", 0, 127, L"127", nullptr},
        {"32", 0, 127, L"128", L"Range:0~127"},
        {"32", 0, 127, L"", nullptr},
        {"32", 0, 127, L"-1", L"Range:0~127"},
        {"32", 0, 127, L"12abc", nullptr},
        {"32", 1, 10, L"", L"Range:1~10"},
        {"32", 5, 5, L"99", nullptr},
        {"32", 10, 1, L"50", nullptr},  // a reversed range checks nothing either
        {"64", 0, 4294967295LL, L"4294967295", nullptr},
        {"64", 0, 4294967295LL, L"4294967296", L"Range:0~4294967295"},
        {"32", 0, 255, L"4294967296", L"Range:0~255"},  // back to the 32-bit rule
        {"64", 0, 4294967295LL, L"300", nullptr},       // and to the 64-bit one again
        // What the program wrote (a popup's signed word, a terminal's value) is not checked;
        // an empty field still is.
        {"64", 0, 4294967295LL, L"-2147483647", nullptr, false},
        {"32", 0, 300, L"400", nullptr, false},
        {"32", 1, 10, L"", L"Range:1~10", false},
    };
    Open();
    for (const Step& step : steps) {
        const std::string setup = step.setup;
        if (setup == "32") m_bounds.SetBounds(int32_t(step.min), int32_t(step.max));
        if (setup == "64") m_bounds.SetBounds64(step.min, step.max);
        const auto balloons = Leave(step.text, step.typed);
        SCOPED_TRACE(testing::PrintToString(std::wstring(step.text)));
        if (step.balloon == nullptr) {
            EXPECT_TRUE(balloons.empty());
            continue;
        }
        ExpectError(balloons, step.balloon);
        EXPECT_EQ(m_driver.Text(kBoundsEdit), step.text);  // advisory: nothing corrected
        EXPECT_TRUE(m_driver.Focused(kOtherEdit));
    }
}

TEST_F(EditControls, KillFocusStaysWithTheBoundsEdit) {
    Open();
    m_bounds.SetBounds(0, 127);
    Leave(L"500");
    EXPECT_EQ(m_dialog.Heard(ui::Event::KillFocus, kBoundsEdit), 0u);
    m_driver.Focus(kBoundsEdit);
    EXPECT_EQ(m_dialog.Heard(ui::Event::KillFocus, kOtherEdit), 1u);
}

TEST_F(EditControls, CheckEditFiltersTypedImeAndPastedText) {
    struct Case {
        const char* how;  // "type", "ime" or "paste"
        const wchar_t *start, *input, *text;
        size_t posts;
    };
    const Case cases[] = {
        {"type", L"", L"ab c", L"ab c", 0},     {"type", L"ab", L"\u4E2D", L"ab", 0},
        {"type", L"ab", L"\u00E9x", L"abx", 0}, {"ime", L"ab", L"\u4E2D", L"ab", 1},
        {"ime", L"", L"ok", L"ok", 2},          {"paste", L"ab", L"c d", L"abc", 1},
        {"paste", L"ab", L"cd", L"abcd", 0},    {"paste", L"x", L"\u4E2Dy", L"x", 1},
        {"paste", L"a b", L"c", L"a", 1},  // a typed blank is cut at the next paste
    };
    Open();
    m_check.m_pNotifyWnd = &m_dialog;
    m_check.m_nNotifyMsg = kEditRejected;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + testing::PrintToString(std::wstring(c.input)));
        View().SetText(kCheckEdit, c.start);
        m_driver.Focus(kCheckEdit);
        auto& edit = View().Find(kCheckEdit)->edit;
        edit.Select(static_cast<int>(wcslen(c.start)), -1);
        m_dialog.m_heard.clear();
        const std::string how = c.how;
        if (how == "type") m_driver.Type(kCheckEdit, c.input);
        if (how == "ime") m_driver.TypeIme(kCheckEdit, c.input);
        if (how == "paste") m_driver.Paste(kCheckEdit, c.input);
        EXPECT_EQ(m_driver.Text(kCheckEdit), c.text);
        EXPECT_EQ(Rejections(), c.posts);
        if (how == "paste") {
            EXPECT_EQ(edit.SelStart(), static_cast<int>(wcslen(c.text)));
        }
        EXPECT_EQ(edit.SelEnd(), edit.SelStart());
    }
}

// Without an owner nothing is posted; the owner shows the balloon of the edit it was told of.
TEST_F(EditControls, OwnerShowsTheRejectionBalloon) {
    Open();
    m_driver.TypeIme(kCheckEdit, L"\u4E2D");
    m_driver.Paste(kCheckEdit, L"a b");
    EXPECT_EQ(m_driver.Text(kCheckEdit), L"a");
    EXPECT_EQ(Rejections(), 0u);
    CEditCheck::ShowRejected(0);
    EXPECT_TRUE(m_driver.Balloons(kCheckEdit).empty());
    CEditCheck::ShowRejected(reinterpret_cast<intptr_t>(&m_check));
    ExpectError(m_driver.Balloons(kCheckEdit), L"ASCII only");
}

}  // namespace
}  // namespace mdvr::test
