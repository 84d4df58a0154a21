#include "pages/CDlgAlarmMask.h"

#include <gtest/gtest.h>

#include <optional>

#include "frame/PageTestHost.h"
#include "host/CHostFile.h"
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

class CDlgAlarmMaskTest : public PageTest {
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

TEST_F(CDlgAlarmMaskTest, ListWearsTheHostsListColours) {
    WriteFile("HostColors.ini",
              "[Colors]\n13=1,2,3\n14=4,5,6\n15=7,8,9\n17=10,11,12\n"
              "19=13,14,15\n20=16,17,18\n");
    CHostFile::ReloadAll();
    std::optional<ui::ListColours> look;
    m_automation.OnNextModal(
        [&](ui::DialogDriver& popup) { look = popup.View()->Find(kList)->listColours; });
    CDlgAlarmMask popup;
    popup.DoModal(nullptr);
    ASSERT_TRUE(look.has_value());
    EXPECT_EQ(look->rowBack[0], 0x060504u);  // even rows
    EXPECT_EQ(look->rowBack[1], 0x030201u);
    EXPECT_EQ(look->headerBack[0], 0x090807u);
    EXPECT_EQ(look->focusBack[0], 0x0C0B0Au);
    EXPECT_EQ(look->text, 0x0F0E0Du);
    EXPECT_EQ(look->grid, 0x121110u);
}

TEST_F(CDlgAlarmMaskTest, UnnamedSetBitGetsABitRow) {
    SetAlarmNames(NamesForBits(0, 30));
    const PopupRun run = Open(CDlgAlarmMask::kModeAlarmBits, 0x80000001u, {});
    ASSERT_EQ(run.rows.size(), 32u);
    EXPECT_EQ(run.rows[0], L"alarm0");
    EXPECT_EQ(run.rows[31], L"Bit32");
    EXPECT_TRUE(run.checks[0]);
    EXPECT_FALSE(run.checks[1]);
    EXPECT_TRUE(run.checks[31]);
    EXPECT_EQ(run.selectAll, 0);
    EXPECT_EQ(run.masksShown[0], L"-2147483647");
    EXPECT_EQ(run.result, CDlgAlarmMask::kResultOk);
}

TEST_F(CDlgAlarmMaskTest, SelectAllStartsCheckedWhenEveryNamedBitIsSet) {
    SetAlarmNames(NamesForBits(0, 1));
    const PopupRun run = Open(CDlgAlarmMask::kModeAlarmBits, 0x3u, {});
    EXPECT_EQ(run.rows, (std::vector<std::wstring>{L"alarm0", L"alarm1"}));
    EXPECT_EQ(run.selectAll, 1);
}

TEST_F(CDlgAlarmMaskTest, HostWithoutNamesShowsOnlySetBits) {
    SetAlarmNames("[VideoAlarm]\nDefaults=0\n");
    const PopupRun run = Open(CDlgAlarmMask::kModeVideoBits, 0x00000104u, {});
    EXPECT_EQ(run.rows, (std::vector<std::wstring>{L"Bit3", L"Bit9"}));
    EXPECT_EQ(run.selectAll, 1);  // no named bit is clear
}

TEST_F(CDlgAlarmMaskTest, VideoModeSelectAllSetsTheNamedBits) {
    const PopupRun run = Open(CDlgAlarmMask::kModeVideoBits, 0, {ClickSelectAll()});
    EXPECT_EQ(run.rows.size(), 7u);
    EXPECT_EQ(run.checks, std::vector<bool>(7, false));
    EXPECT_EQ(run.selectAll, 0);
    EXPECT_EQ(run.mask, 127u);
    EXPECT_EQ(run.masksShown.back(), L"127");
}

TEST_F(CDlgAlarmMaskTest, SelectAllTouchesOnlyBitsWithRows) {
    // Video names cover bits 0..6; bit 20 is set without a name, bit 10 clear without one.
    const PopupRun run =
        Open(CDlgAlarmMask::kModeVideoBits, 1u << 20, {ClickSelectAll(), ClickSelectAll()});
    EXPECT_EQ(run.rows.back(), L"Bit21");
    EXPECT_EQ(run.masksShown, (std::vector<std::wstring>{L"1048576", L"1048703", L"0"}));
    EXPECT_EQ(run.mask, 0u);
}

TEST_F(CDlgAlarmMaskTest, RowClicksFlipOneBitEachWay) {
    const PopupRun run = Open(CDlgAlarmMask::kModeVideoBits, 0,
                              {ClickRow(2), ClickRow(3, true), ClickRow(2, true), ClickRow(3)});
    EXPECT_EQ(run.masksShown, (std::vector<std::wstring>{L"0", L"4", L"12", L"8", L"0"}));
}

TEST_F(CDlgAlarmMaskTest, SpaceKeyKeepsTheMaskInStep) {
    const PopupRun run =
        Open(CDlgAlarmMask::kModeVideoBits, 0,
             {ClickRow(4), [](ui::DialogDriver& popup) { popup.PressKey(kList, ui::kKeySpace); }});
    EXPECT_EQ(run.masksShown, (std::vector<std::wstring>{L"0", L"16", L"0"}));
}

TEST_F(CDlgAlarmMaskTest, ClosingWithoutOkReportsCancel) {
    m_automation.OnNextModal([](ui::DialogDriver& popup) { popup.ClickRow(kList, 0); });
    CDlgAlarmMask popup;
    popup.SetMask(5);
    EXPECT_EQ(popup.DoModal(nullptr), CDlgAlarmMask::kResultCancel);
}

}  // namespace
}  // namespace mdvr::test
