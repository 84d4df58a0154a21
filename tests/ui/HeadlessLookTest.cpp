// Device-pixel geometry above 96 DPI, and focusing a dialog itself.
#include <gtest/gtest.h>

#include "TestDialog.h"

namespace mdvr::ui::test {
namespace {

// The test dialog built on a 144-DPI screen.
class HighDpiTest : public HeadlessTest {
  protected:
    HighDpiTest() { m_dpi = 144; }
};

std::array<int, 4> Xywh(const Rect& r) {
    return {r.x, r.y, r.w, r.h};
}

TEST_F(HighDpiTest, DeclarationsAreScaledOnceAtCreation) {
    EXPECT_EQ(Xywh(View().GetRect(kEdit)), (std::array{150, 15, 150, 30}));
    EXPECT_EQ(Xywh(View().GetRect(kSpin)), (std::array{270, 330, 24, 30}));
    EXPECT_EQ(View().ClientSize().x, 900);
    EXPECT_EQ(View().ClientSize().y, 600);
    EXPECT_EQ(View().Find(kEdit)->font.height, 16);  // the backend's own default font
}

TEST_F(HighDpiTest, RunTimeGeometryPassesUnchanged) {
    HeadlessView& view = View();
    for (const Rect& rect :
         {Rect{0, 0, 1, 1}, {13, 17, 91, 29}, {150, 15, 150, 30}, {-5, 7, 0, 0}}) {
        view.Move(kButton, rect);
        EXPECT_EQ(Xywh(view.GetRect(kButton)), Xywh(rect));
        view.MoveWindow(rect);
        EXPECT_EQ(Xywh(view.WindowRect()), Xywh(rect));
        EXPECT_EQ(view.ClientSize().x, rect.w);
    }
    const int resizes = m_dialog.m_resizes;
    view.MoveWindow({0, 0, 1000, 670});
    view.MoveWindow({10, 10, 1000, 670});  // same size: no second resize
    EXPECT_EQ(m_dialog.m_resizes, resizes + 1);
    EXPECT_EQ(view.InsertColumn(kList, 0, L"Name", 150), 0);
    EXPECT_EQ(view.ColumnWidth(kList, 0), 150);
    view.SetFont(kEdit, {L"Tahoma", 27, 700});
    EXPECT_EQ(view.Find(kEdit)->font.height, 27);
}

TEST_F(HeadlessTest, FocusingTheDialogItselfTakesItFromItsControl) {
    ASSERT_TRUE(m_driver.Focus(kEdit));
    m_dialog.m_heard.clear();
    View().SetFocus(0);
    EXPECT_EQ(View().FocusedId(), 0);
    EXPECT_EQ(m_automation.Backend().FocusedView(), &View());
    EXPECT_EQ(m_dialog.Events(kEdit), std::vector<Event>{Event::KillFocus});
    EXPECT_EQ(m_dialog.Events(0), std::vector<Event>{Event::SetFocus});
    EXPECT_EQ(m_dialog.m_heard.back().event, Event::SetFocus);  // after the old one lost it
}

}  // namespace
}  // namespace mdvr::ui::test
