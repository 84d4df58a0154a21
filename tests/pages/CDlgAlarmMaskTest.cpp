#include "pagebase/CDlgAlarmMask.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "pages/PageFixture.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

constexpr int kList = CDlgAlarmMask::kListId;

// What the user saw and did in one modal run of the popup.
struct PopupRun {
    int result = 0;
    uint32_t mask = 0;
    std::vector<std::wstring> rows;
    std::vector<bool> checks;
    std::vector<std::wstring> masksShown;  // the edit after each action
    int selectAll = -1;
};

class CDlgAlarmMaskTest : public AnyPageFixture {
  protected:
    using Action = std::function<void(ui::DialogDriver&)>;

    PopupRun Open(int mode, uint32_t mask, const std::vector<Action>& actions) {
        PopupRun run;
        m_automation.OnNextModal([&](ui::DialogDriver& popup) {
            for (int row = 0; row < popup.RowCount(kList); ++row) {
                run.rows.push_back(popup.Cell(kList, row, 0));
                run.checks.push_back(popup.RowChecked(kList, row));
            }
            run.selectAll = popup.Check(CDlgAlarmMask::kSelectAllId);
            run.masksShown.push_back(popup.Text(CDlgAlarmMask::kMaskEditId));
            for (const Action& action : actions) {
                action(popup);
                run.masksShown.push_back(popup.Text(CDlgAlarmMask::kMaskEditId));
            }
            popup.Click(CDlgAlarmMask::kOkId);
        });
        CDlgAlarmMask popup;
        popup.SetMode(mode);
        popup.SetMask(mask);
        run.result = popup.DoModal(nullptr);
        run.mask = popup.Mask();
        return run;
    }
    static Action ClickRow(int row, bool onCheckBox = false) {
        return [=](ui::DialogDriver& popup) { popup.ClickRow(kList, row, 0, onCheckBox); };
    }
    static Action ClickSelectAll() {
        return [](ui::DialogDriver& popup) { popup.Click(CDlgAlarmMask::kSelectAllId); };
    }
};

std::string NamesForBits(int from, int to) {
    std::string text = "[Alarm]\nDefaults=0\n";
    for (int bit = from; bit <= to; ++bit) {
        text += std::to_string(bit) + "=alarm" + std::to_string(bit) + "\n";
    }
    return text;
}

TEST_F(CDlgAlarmMaskTest, RowsForNamedBitsAndForUnnamedSetBits) {
    const int alarm = CDlgAlarmMask::kModeAlarmBits;
    const int video = CDlgAlarmMask::kModeVideoBits;
    struct Case {
        const char* name;
        std::string names;  // HostAlarmNames.ini
        int mode;
        uint32_t mask;
        size_t rows;
        const wchar_t *first, *last;
        int selectAll;
        const wchar_t* shown;
    } cases[] = {
        {"bit 31 unnamed", NamesForBits(0, 30), alarm, 0x80000001u, 32, L"alarm0", L"Bit32", 0,
         L"-2147483647"},
        {"all named set", NamesForBits(0, 1), alarm, 0x3u, 2, L"alarm0", L"alarm1", 1, L"3"},
        {"no names", "[VideoAlarm]\nDefaults=0\n", video, 0x104u, 2, L"Bit3", L"Bit9", 1, L"260"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetAlarmNames(c.names);
        const PopupRun run = Open(c.mode, c.mask, {});
        ASSERT_EQ(run.rows.size(), c.rows);
        EXPECT_EQ(run.rows.front(), c.first);
        EXPECT_EQ(run.rows.back(), c.last);
        // Exactly the rows of set bits are checked: here the first and the last.
        EXPECT_EQ(std::count(run.checks.begin(), run.checks.end(), true), 2);
        EXPECT_TRUE(run.checks.front() && run.checks.back());
        EXPECT_EQ(run.selectAll, c.selectAll);
        EXPECT_EQ(run.masksShown[0], c.shown);
        EXPECT_EQ(run.result, CDlgAlarmMask::kResultOk);
    }
}

TEST_F(CDlgAlarmMaskTest, SelectAllTouchesOnlyBitsWithRows) {
    // Video names cover bits 0..6; bit 20 is set without a name, bit 10 clear without one.
    const PopupRun run =
        Open(CDlgAlarmMask::kModeVideoBits, 1u << 20, {ClickSelectAll(), ClickSelectAll()});
    ASSERT_EQ(run.rows.size(), 8u);  // seven named, unchecked, and Bit21
    EXPECT_EQ(run.checks,
              (std::vector<bool>{false, false, false, false, false, false, false, true}));
    EXPECT_EQ(run.selectAll, 0);
    EXPECT_EQ(run.rows.back(), L"Bit21");
    EXPECT_EQ(run.masksShown, (std::vector<std::wstring>{L"1048576", L"1048703", L"0"}));
    EXPECT_EQ(run.mask, 0u);
}

// Clicks on a row or its check box, and the space key, flip one bit each way.
TEST_F(CDlgAlarmMaskTest, RowClicksAndSpaceFlipOneBitEachWay) {
    const auto space = [](ui::DialogDriver& popup) { popup.PressKey(kList, ui::kKeySpace); };
    const PopupRun run =
        Open(CDlgAlarmMask::kModeVideoBits, 0,
             {ClickRow(2), ClickRow(3, true), ClickRow(2, true), ClickRow(3), ClickRow(4), space});
    EXPECT_EQ(run.masksShown,
              (std::vector<std::wstring>{L"0", L"4", L"12", L"8", L"0", L"16", L"0"}));
}

}  // namespace
}  // namespace mdvr::test
