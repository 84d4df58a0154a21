#include "pagebase/CDlgCfgBase.h"

#include <gtest/gtest.h>

#include "pages/PageFixture.h"
#include "protocol/ParamListWriter.h"

namespace mdvr::test {
namespace {

using ui::ControlKind;

constexpr int kTemplate = 950;
constexpr int kEditA = 500, kEditB = 501, kEditC = 502, kEditD = 503, kMissing = 999;
constexpr int kExtraBox = CDlgCfgBase::kFirstGroupId + 20;  // 4279: no group of its own

constexpr ui::ControlDecl kControls[] = {
    CDlgCfgBase::GroupDecl(0, {0, L"A"}, {10, 10, 100, 20}),
    CDlgCfgBase::GroupDecl(1, {0, L"B"}, {10, 40, 100, 20}),
    {kExtraBox, ControlKind::CheckBox, {0, L"X"}, ui::kStyleNone, {10, 70, 100, 20}},
    {kEditA, ControlKind::Edit, {}, ui::kStyleNone, {120, 10, 80, 20}},
    {kEditB, ControlKind::Edit, {}, ui::kStyleNone, {210, 10, 80, 20}},
    {kEditC, ControlKind::Edit, {}, ui::kStyleNone, {120, 40, 80, 20}},
    {kEditD, ControlKind::Edit, {}, ui::kStyleNone, {120, 70, 80, 20}},
};
constexpr ui::DialogDecl kDecl{kTemplate, {}, 400, 120, kControls};

// Two groups: A holds two edits and one ID the page lacks, B one edit; 4279 claims a fourth.
class TwoGroupPage : public CDlgCfgBase {
  public:
    TwoGroupPage() : CDlgCfgBase(kDecl, 2) {}

    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override {
        ParamListWriter writer(list);
        *length = writer.Finish();
        return true;
    }
    void ParseItem(const ParamItemView&) override {}
    void GetGroupMembers(int checkBoxId, std::vector<int>& ids) override {
        if (checkBoxId == kFirstGroupId) ids = {kEditA, kMissing, kEditB};
        if (checkBoxId == kFirstGroupId + 1) ids = {kEditC};
        if (checkBoxId == kExtraBox) ids = {kEditD};
    }
    void BuildQueryList(std::span<uint8_t>, uint32_t* length) override { *length = 0; }
};

class CDlgCfgBaseTest : public PageFixture<TwoGroupPage> {
  protected:
    std::vector<bool> MemberStates() const {
        return {m_driver.Enabled(kEditA), m_driver.Enabled(kEditB), m_driver.Enabled(kEditC),
                m_driver.Enabled(kEditD)};
    }
};

struct TextCase {
    const wchar_t* text;
    bool allDigits, digitsAndDots, badUInt32, hostText, alphanumeric;
};

TEST_F(CDlgCfgBaseTest, TextChecks) {
    const TextCase cases[] = {
        {L"", true, true, false, true, true},
        {L"4294967295", true, true, false, false, true},
        {L"4294967296", true, true, true, false, true},
        {L"18446744073709551616", true, true, true, false, true},
        {L"007", true, true, true, false, true},
        {L"+5", false, false, true, false, false},
        {L" 5", false, false, true, false, false},
        {L"5x", false, false, true, false, true},
        {L"1.2.3", false, true, true, true, false},
        {L".1", false, false, true, false, false},
        {L"1.", false, false, true, false, false},
        {L"1a", false, false, true, false, true},
        {L"a.b", false, false, true, true, false},
        {L"10.0.0.1", false, true, true, true, false},
        {L"a..b", false, false, true, true, false},
        {L"localhost", false, false, true, false, true},
        {L"a_b.c", false, false, true, false, false},
        {L"１２", false, false, true, false, false},  // full-width digits are no digits
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text '" << std::wstring(c.text).size() << "' chars");
        EXPECT_EQ(m_page.IsAllDigits(c.text), c.allDigits);
        EXPECT_EQ(m_page.IsDigitsAndDots(c.text), c.digitsAndDots);
        EXPECT_EQ(m_page.IsBadUInt32Text(c.text), c.badUInt32);
        EXPECT_EQ(m_page.IsHostText(c.text), c.hostText);
        EXPECT_EQ(m_page.IsAlphanumeric(c.text), c.alphanumeric);
    }
}

TEST_F(CDlgCfgBaseTest, GroupClicksSwitchTheirMembersOnly) {
    struct Step {
        int click;
        std::vector<bool> states;
    };
    const Step steps[] = {
        {CDlgCfgBase::kFirstGroupId, {false, false, true, true}},
        {CDlgCfgBase::kFirstGroupId + 1, {false, false, false, true}},
        {kExtraBox, {false, false, false, true}},  // 4279 is no group head
        {CDlgCfgBase::kFirstGroupId, {true, true, false, true}},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(m_driver.Click(step.click));
        EXPECT_EQ(MemberStates(), step.states) << "after clicking " << step.click;
    }
    EXPECT_FALSE(m_page.IsGroupChecked(1));
}

TEST_F(CDlgCfgBaseTest, InitialisationChecksEveryGroupThenSetAllAndSetOne) {
    EXPECT_TRUE(m_page.AllGroupsState());
    EXPECT_EQ(MemberStates(), (std::vector<bool>{true, true, true, true}));
    m_page.SetAllGroups(false);
    EXPECT_FALSE(m_page.AllGroupsState());
    EXPECT_EQ(MemberStates(), (std::vector<bool>{false, false, false, true}));
    m_page.SetGroupCheck(1, true);
    EXPECT_EQ(m_driver.Check(CDlgCfgBase::kFirstGroupId + 1), 1);
    EXPECT_EQ(MemberStates(), (std::vector<bool>{false, false, true, true}));
    m_page.SetGroupCheck(5, true);  // beyond the page's groups: ignored
    EXPECT_FALSE(m_page.AllGroupsState());
}

TEST_F(CDlgCfgBaseTest, NoGroupCheckedRefusesWithMessageAndSendsNothing) {
    m_driver.Click(CDlgCfgBase::kFirstGroupId);
    m_driver.Click(CDlgCfgBase::kFirstGroupId + 1);
    for (bool multi : {false, true}) {
        EXPECT_FALSE(m_page.SaveParams(multi));
    }
    const auto& tips = m_tips.Tips();
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[0].text, L"请至少勾选一项需要设置的参数");
    EXPECT_EQ(tips[0].title, L"");
    EXPECT_EQ(tips[0].type, kMsgTipNotice);
    EXPECT_TRUE(TheHostRecord().sets.empty());
    // One box checked again: the save goes out.
    m_driver.Click(CDlgCfgBase::kFirstGroupId + 1);
    EXPECT_TRUE(m_page.SaveParams(false));
    EXPECT_EQ(TheHostRecord().sets, (std::vector<Bytes>{{0}}));
}

}  // namespace
}  // namespace mdvr::test
