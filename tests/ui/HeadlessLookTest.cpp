// Device-pixel geometry above 96 DPI, and focusing a dialog itself.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::ui::test {
namespace {

// The test dialog built on a 144-DPI screen.
class HighDpiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_automation.Backend().Reset();
        m_automation.Backend().SetDpi(144);
        ASSERT_TRUE(m_dialog.Create(nullptr));
        m_view = m_automation.Find(kTemplate).View();
        ASSERT_NE(m_view, nullptr);
    }
    void TearDown() override { m_automation.Backend().SetDpi(96); }

    Automation m_automation;
    TestDialog m_dialog;
    HeadlessView* m_view = nullptr;
};

bool Same(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

TEST_F(HighDpiTest, DeclarationsAreScaledOnceAtCreation) {
    EXPECT_TRUE(Same(m_view->GetRect(kEdit), {150, 15, 150, 30}));
    EXPECT_TRUE(Same(m_view->GetRect(kSpin), {270, 330, 24, 30}));
    EXPECT_EQ(m_view->ClientSize().x, 900);
    EXPECT_EQ(m_view->ClientSize().y, 600);
    EXPECT_EQ(m_view->Find(kEdit)->font.height, 16);  // the backend's own default font
}

TEST_F(HighDpiTest, RunTimeGeometryPassesUnchanged) {
    const Rect rects[] = {{0, 0, 1, 1}, {13, 17, 91, 29}, {150, 15, 150, 30}, {-5, 7, 0, 0}};
    for (const Rect& rect : rects) {
        m_view->Move(kButton, rect);
        EXPECT_TRUE(Same(m_view->GetRect(kButton), rect)) << rect.x << "," << rect.y;
        m_view->MoveWindow(rect);
        EXPECT_TRUE(Same(m_view->WindowRect(), rect)) << rect.x << "," << rect.y;
        EXPECT_EQ(m_view->ClientSize().x, rect.w);
    }
    const int resizes = m_dialog.m_resizes;
    m_view->MoveWindow({0, 0, 1000, 670});
    m_view->MoveWindow({10, 10, 1000, 670});  // same size: no second resize
    EXPECT_EQ(m_dialog.m_resizes, resizes + 1);
    EXPECT_EQ(m_view->InsertColumn(kList, 0, L"Name", 150), 0);
    EXPECT_EQ(m_view->ColumnWidth(kList, 0), 150);
    m_view->SetFont(kEdit, {L"Tahoma", 27, 700});
    EXPECT_EQ(m_view->Find(kEdit)->font.height, 27);
}

class LookTest : public HeadlessTest {
  protected:
    HeadlessView& View() const { return *m_driver.View(); }
};

TEST_F(LookTest, FocusingTheDialogItselfTakesItFromItsControl) {
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
