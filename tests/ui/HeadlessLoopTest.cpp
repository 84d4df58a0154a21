// The headless message loop: posted messages, modal runs, message tips, dialogs inside dialogs and
// host windows, and dialogs that go away while handling input.
#include <gtest/gtest.h>

#include <tuple>

#include "TestDialog.h"
#include "host/IMsgTipPresenter.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::ui::test {
namespace {

constexpr ControlDecl kModalControls[] = {
    {1, ControlKind::Button, {0, L"OK"}, kStyleNone, {10, 10, 60, 24}},
    {2, ControlKind::Edit, {}, kStyleNone, {10, 40, 60, 20}},
};
constexpr DialogDecl kModalDecl{901, {0, L"Modal"}, 200, 100, kModalControls, true};

// A modal dialog ending itself with 1 on its OK button.
class OkDialog : public TestDialog {
  public:
    OkDialog() : TestDialog(kModalDecl) {
        m_react = [](TestDialog& d, const Notification& n) {
            if (n.event == Event::Click && n.id == 1) d.EndDialog(1);
            return false;
        };
    }
};

TEST_F(HeadlessTest, PostedMessagesArriveAfterTheActionInOrder) {
    std::vector<uint32_t> order;
    m_dialog.m_react = [&order](TestDialog& d, const Notification& n) {
        if (n.event == Event::Click) {
            d.View().Post(1, 0, 0);
            d.View().Post(2, 0, 0);
            order.push_back(0);
        } else if (n.event == Event::Message) {
            order.push_back(n.message);
            if (n.message == 1) d.View().Post(3, 4, 5);  // posted while delivering: comes last
        }
        return false;
    };
    m_driver.Click(kButton);
    EXPECT_EQ(order, (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(m_dialog.m_heard.back().wParam, 4);
    EXPECT_EQ(m_dialog.m_heard.back().lParam, 5);
}

TEST_F(HeadlessTest, PostsToDestroyedDialogsAreDropped) {
    {
        TestDialog other;
        ASSERT_TRUE(other.Create(nullptr));
        other.View().Post(7, 0, 0);
    }
    m_dialog.View().Post(8, 0, 0);
    m_automation.Backend().Pump();
    ASSERT_EQ(m_dialog.m_heard.size(), 1u);
    EXPECT_EQ(m_dialog.m_heard[0].message, 8u);
}

// A script pressing OK, one leaving the dialog open, and none.
TEST_F(HeadlessTest, ModalRunEndsWithScriptResultOrCancel) {
    const std::tuple<bool, bool, int> cases[] = {
        {true, true, 1}, {true, false, 2}, {false, false, 2}};
    for (const auto& [queueScript, pressOk, result] : cases) {
        SCOPED_TRACE(testing::Message() << queueScript << pressOk);
        std::wstring typed;
        if (queueScript) {
            m_automation.OnNextModal([&, pressOk = pressOk](DialogDriver& modal) {
                EXPECT_EQ(modal.TemplateId(), 901);
                modal.Type(2, L"hi");
                typed = modal.Text(2);
                if (pressOk) modal.Click(1);
            });
        }
        OkDialog modal;
        EXPECT_EQ(modal.DoModal(&m_dialog), result);
        EXPECT_FALSE(modal.IsCreated());
        EXPECT_EQ(typed, queueScript ? L"hi" : L"");
        EXPECT_EQ(m_automation.Backend().ModalsOpened().back(), 901);
    }
    EXPECT_EQ(m_automation.Backend().ModalsOpened().size(), 3u);
}

TEST_F(HeadlessTest, NestedModalsTakeScriptsInOrder) {
    std::vector<int> results;
    m_automation.OnNextModal([&results](DialogDriver& outer) {
        OkDialog inner;
        results.push_back(inner.DoModal(nullptr));  // runs the second script
        outer.Click(1);
    });
    m_automation.OnNextModal([](DialogDriver& inner) { inner.Click(1); });
    OkDialog outer;
    results.push_back(outer.DoModal(&m_dialog));
    EXPECT_EQ(results, (std::vector<int>{1, 1}));
    EXPECT_EQ(m_automation.Backend().ModalsOpened(), (std::vector<int>{901, 901}));
}

TEST_F(HeadlessTest, QuestionsTakeQueuedAnswersThenNo) {
    HeadlessBackend& backend = m_automation.Backend();
    backend.AnswerNextQuestion(1);
    EXPECT_EQ(ShowMsgTipEx(L"note", L"", kMsgTipNotice), 1);
    EXPECT_EQ(ShowMsgTipEx(L"sure?", L"Title", kMsgTipQuestion), 1);
    EXPECT_EQ(ShowMsgTipEx(L"again?", L"", kMsgTipQuestion), 0);
    ASSERT_EQ(backend.MsgTips().size(), 3u);
    EXPECT_EQ(backend.MsgTips()[1].text, L"sure?");
    EXPECT_EQ(backend.MsgTips()[1].title, L"Title");
    EXPECT_EQ(backend.MsgTips()[1].type, kMsgTipQuestion);
}

TEST_F(HeadlessTest, DialogDestroyedByItsOwnClickStaysGone) {
    TestDialog doomed(kModalDecl);
    ASSERT_TRUE(doomed.Create(nullptr));
    doomed.m_react = [](TestDialog& d, const Notification& n) {
        if (n.event == Event::MouseDown) d.Destroy();
        return false;
    };
    DialogDriver driver = m_automation.Find(901);
    EXPECT_TRUE(driver.Click(1));
    EXPECT_FALSE(doomed.IsCreated());
    EXPECT_FALSE(driver.IsValid());
    EXPECT_FALSE(driver.Type(2, L"x"));
    EXPECT_EQ(driver.Text(2), L"");
}

TEST_F(HeadlessTest, BehaviourClosingTheDialogHidesTheInputFromTheRest) {
    TestDialog doomed(kModalDecl);
    Interceptor closer([&doomed](const Notification& n) {
        if (n.event == Event::Char) doomed.Destroy();
        return false;
    });
    Interceptor after;
    doomed.Attach(2, closer);
    doomed.Attach(2, after);
    ASSERT_TRUE(doomed.Create(nullptr));
    m_automation.Find(901).Type(2, L"ab");
    EXPECT_FALSE(doomed.IsCreated());
    EXPECT_EQ(closer.m_seen.size(), 2u);  // SetFocus, then the Char that closed it
    EXPECT_EQ(after.m_seen.size(), 1u);
    EXPECT_EQ(doomed.Events(2), std::vector<Event>{Event::SetFocus});
}

class CaptionDialog : public TestDialog {
  public:
    CaptionDialog() : TestDialog(kModalDecl) {}
    HitZone HitTest(Point p) override { return p.y < 30 ? HitZone::Caption : HitZone::Client; }
};

TEST_F(HeadlessTest, SurfaceMouseReachesTheDialogItself) {
    CaptionDialog popup;
    ASSERT_TRUE(popup.Create(nullptr));
    DialogDriver driver = m_automation.Find(901);
    EXPECT_TRUE(driver.PressMouse(0, {5, 6}));
    EXPECT_TRUE(driver.MoveMouse(0, true, {7, 8}));
    EXPECT_TRUE(driver.ReleaseMouse(0, true, {9, 10}));
    EXPECT_EQ(popup.Events(0),
              (std::vector<Event>{Event::MouseDown, Event::MouseMove, Event::MouseUp}));
    EXPECT_EQ(popup.m_heard.back().point.x, 9);
    EXPECT_EQ(driver.HitTest({50, 10}), HitZone::Caption);
    EXPECT_EQ(driver.HitTest({50, 40}), HitZone::Client);
}

TEST_F(HeadlessTest, ChildVisibilityFollowsParentAndHostWindow) {
    HostWindow& host = m_automation.Backend().CreateHostWindow({100, 50, 1000, 670});
    TestDialog top(kModalDecl);
    ASSERT_TRUE(top.CreateInNative(&host));
    TestDialog child(kDecl);
    ASSERT_TRUE(child.Create(&top));
    DialogDriver driver = m_automation.Find(kTemplate);  // the showing one: the child
    EXPECT_EQ(driver.View(), &child.View());
    EXPECT_TRUE(driver.Click(kButton));
    host.visible = false;
    EXPECT_FALSE(driver.Click(kButton));
    host.visible = true;
    top.View().ShowWindow(false);
    EXPECT_FALSE(driver.Click(kButton));
    EXPECT_TRUE(driver.Visible(kButton));                              // its own flag is untouched
    EXPECT_EQ(m_automation.Find(kTemplate).View(), &m_dialog.View());  // now the showing one
    EXPECT_EQ(Backend().TopLevelRect(child.View()).x, 100);
    Backend().MoveTopLevel(child.View(), {5, 6, 1000, 670});
    EXPECT_EQ(host.rect.y, 6);
    host.maximised = true;
    EXPECT_TRUE(Backend().IsParentMaximised(child.View()));
}

}  // namespace
}  // namespace mdvr::ui::test
