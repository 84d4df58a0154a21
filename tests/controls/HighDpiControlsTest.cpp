// Controls on a 144-DPI screen: they scale what they compute themselves, and the backend passes
// their run-time geometry on unchanged (declarations alone are scaled by it). Its own program:
// the screen's DPI is read once per process.
#include "controls/CDlgPopupBase.h"
#include "controls/CXListCtrl.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

class HighDpiControls : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        m_automation.Backend().SetDpi(144);
    }
};

TEST_F(HighDpiControls, ListWidthsAndRowHeightScaleOnce) {
    CXListCtrl list(kListStyle);
    m_dialog.Attach(kList, list);
    Open();
    const std::pair<int, int> widths[] = {{100, 150}, {75, 112}, {0, 0}};
    for (const auto& [declared, shown] : widths) {
        const int col = list.InsertColumn(View().ColumnCount(kList), L"c", 0, declared);
        EXPECT_EQ(View().ColumnWidth(kList, col), shown) << declared;
    }
    EXPECT_EQ(list.RowHeight(), 33);
}

TEST_F(HighDpiControls, PopupTitleIsHalfScaledAcrossTheScaledClient) {
    constexpr ui::DialogDecl kPopup = {9300, {0, L"Popup"}, 300, 200, {}, true};
    CDlgPopupBase popup(kPopup);
    ui::DialogDriver driver = Show(popup);
    EXPECT_EQ(Xywh(driver.View()->GetRect(CWndPopoTitle::kId)), (std::array{1, 1, 448, 37}));
}

}  // namespace
}  // namespace mdvr::test
