#include "controls/CDlgPopupBase.h"
#include "controls/CGlobalFont.h"
#include "controls/Scaling.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

TEST(Scaling, FullAndHalfRules) {
    struct Case {
        int dpi;
        int full22, half30, font11, font18;
    };
    const Case cases[] = {
        {72, 22, 30, 11, 18},  {96, 22, 30, 11, 18},  {120, 27, 33, 13, 22},
        {144, 33, 37, 16, 27}, {192, 44, 45, 22, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(ScaleFullAt(22, c.dpi), c.full22);
        EXPECT_EQ(ScaleHalfAt(30, c.dpi), c.half30);
        const CGlobalFont fonts(c.dpi);
        EXPECT_EQ(fonts.Normal().height, c.font11);
        EXPECT_EQ(fonts.Bold().height, c.font11);
        EXPECT_EQ(fonts.LargeBold().height, c.font18);
    }
    EXPECT_EQ(ScaleFullAt(-11, 120), -13);  // truncated toward zero
    EXPECT_EQ(ScaleHalfAt(11, 120), 12);    // (11 + 13.75) / 2
}

TEST(PopupHitTest, ZonesOfAResizablePopup) {
    using ui::HitZone;
    const ui::Point size{200, 100};
    const std::pair<ui::Point, HitZone> cases[] = {
        {{0, 0}, HitZone::TopLeft},     {{5, 5}, HitZone::TopLeft},
        {{6, 6}, HitZone::Caption},     {{100, 0}, HitZone::Top},
        {{199, 0}, HitZone::TopRight},  {{0, 50}, HitZone::Left},
        {{193, 50}, HitZone::Caption},  {{194, 50}, HitZone::Right},
        {{0, 99}, HitZone::BottomLeft}, {{100, 94}, HitZone::Bottom},
        {{100, 93}, HitZone::Caption},  {{199, 99}, HitZone::BottomRight},
    };
    for (const auto& [point, zone] : cases) {
        EXPECT_EQ(CDlgPopupBase::ZoneAt(point, size, true), zone) << point.x << "," << point.y;
        EXPECT_EQ(CDlgPopupBase::ZoneAt(point, size, false), HitZone::Caption);
    }
}

constexpr ui::DialogDecl kPopupDecl = {9200, {0, L"Popup"}, 300, 200, {}, true};

class TestPopup : public CDlgPopupBase {
  public:
    using CDlgPopupBase::CDlgPopupBase;
    int m_creates = 0;
    ui::Point m_lastSize;

  protected:
    void OnCreatePopup() override { ++m_creates; }
    void OnSizePopup(int width, int height) override { m_lastSize = {width, height}; }
};

using DialogBases = ControlsTest;

TEST_F(DialogBases, PopupTitleShadowAndCorners) {
    const auto theme = Theme("popup", {{"color_config.ini", "[COLOR]\nm_nFlatDesign=0\n"}});
    TestPopup popup(kPopupDecl, *theme);
    popup.SetTitleText(L"Alarm mask");
    ui::DialogDriver driver = Show(popup);
    ui::HeadlessView& view = *driver.View();
    EXPECT_EQ(Xywh(view.GetRect(CWndPopoTitle::kId)), (std::array{1, 1, 298, 30}));
    EXPECT_EQ(driver.Text(CWndPopoTitle::kId), L"Alarm mask");
    EXPECT_TRUE(view.HasShadow());
    EXPECT_TRUE(view.RoundedCorners().x == 6 && view.RoundedCorners().y == 6);
    EXPECT_EQ(popup.m_creates, 1);
    EXPECT_EQ(popup.m_lastSize.x, 300);
    EXPECT_EQ(view.Sink().HitTest({1, 1}), ui::HitZone::Caption);

    popup.SetResizable(true);
    view.MoveWindow({0, 0, 400, 250});
    EXPECT_EQ(Xywh(view.GetRect(CWndPopoTitle::kId)), (std::array{3, 3, 394, 30}));
    EXPECT_EQ(popup.m_lastSize.y, 250);
    EXPECT_EQ(view.Sink().HitTest({1, 1}), ui::HitZone::TopLeft);
    EXPECT_EQ(view.Sink().HitTest({200, 249}), ui::HitZone::Bottom);
    popup.Destroy();
}

TEST_F(DialogBases, FlatThemeKeepsSquareCornersAndHiddenTitleIsFlat) {
    const auto theme = Theme("flat", {{"color_config.ini", "[COLOR]\nm_nFlatDesign=1\n"}});
    TestPopup popup(kPopupDecl, *theme);
    popup.ShowTitle(false);
    ui::DialogDriver driver = Show(popup);
    EXPECT_EQ(driver.View()->RoundedCorners().x, 0);
    EXPECT_EQ(driver.View()->GetRect(CWndPopoTitle::kId).h, 0);
    EXPECT_EQ(popup.TitleHeight(), 0);
}

class Dragging : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        m_host = &m_automation.Backend().CreateHostWindow({100, 100, 1000, 670});
        ASSERT_TRUE(m_dialog.CreateInNative(m_host));
    }

    // Mouse input on the panel's own surface at a cursor position and tick.
    bool Mouse(ui::Event event, ui::Point cursor, uint32_t tick) {
        auto& backend = m_automation.Backend();
        backend.SetCursorPos(cursor);
        backend.SetTickCount(tick);
        ui::Notification n;
        n.event = event;
        return backend.Deliver(*static_cast<ui::HeadlessView*>(&m_dialog.View()), n);
    }

    std::array<int, 2> HostAt() const { return {m_host->rect.x, m_host->rect.y}; }

    ui::HostWindow* m_host = nullptr;
};

// The throttle counts ticks across their wrap; the panel holds the mouse while it drags.
TEST_F(Dragging, MovesTheTopLevelWindowAtMostEvery40ms) {
    struct Step {
        ui::Event event;
        ui::Point cursor;
        uint32_t tick;
        ui::Point host;
        bool captured;
    };
    const Step steps[] = {
        {ui::Event::MouseDown, {500, 300}, 0xFFFFFFF0u, {100, 100}, true},
        {ui::Event::MouseMove, {510, 305}, 0xFFFFFFF0u, {110, 105}, true},  // the first move
        {ui::Event::MouseMove, {520, 310}, 0x00000017u, {110, 105}, true},  // 39 ms: skipped
        {ui::Event::MouseMove, {530, 315}, 0x00000018u, {130, 115}, true},
        {ui::Event::MouseUp, {540, 290}, 0x00000019u, {140, 90}, false},  // not throttled
        {ui::Event::MouseMove, {600, 400}, 2000, {140, 90}, false},       // over
    };
    const auto& view = *static_cast<ui::HeadlessView*>(&m_dialog.View());
    for (const Step& step : steps) {
        Mouse(step.event, step.cursor, step.tick);
        EXPECT_EQ(HostAt(), (std::array{step.host.x, step.host.y})) << step.tick;
        EXPECT_EQ(m_automation.Backend().HasCapture(view), step.captured) << step.tick;
    }
    EXPECT_EQ(m_host->rect.w, 1000);
    EXPECT_FALSE(m_dialog.IsDragging());
}

// One monitor: the cursor is held to the maximised window's area while dragging; with two it
// roams. Either way the panel takes the focus at the end.
TEST_F(Dragging, ConfinedToOneScreenAndFocusedAtTheEnd) {
    auto& backend = m_automation.Backend();
    backend.SetMaximisedSize({1366, 728});
    for (int monitors : {1, 2}) {
        SCOPED_TRACE(monitors);
        backend.SetMonitorCount(monitors);
        m_dialog.View().SetFocus(kOtherEdit);
        Mouse(ui::Event::MouseDown, {10, 10}, 100);
        const ui::Rect* held = backend.CursorConfinement();
        ASSERT_EQ(held != nullptr, monitors == 1);
        if (held != nullptr) {
            EXPECT_EQ(Xywh(*held), (std::array{0, 0, 1366, 728}));
        }
        Mouse(ui::Event::MouseUp, {20, 20}, 200);
        EXPECT_EQ(backend.CursorConfinement(), nullptr);
        EXPECT_EQ(backend.FocusedView(), &m_dialog.View());
        EXPECT_EQ(m_dialog.View().FocusedId(), 0);
    }
}

TEST_F(Dragging, MaximisedHostIsNotDragged) {
    m_host->maximised = true;
    EXPECT_FALSE(Mouse(ui::Event::MouseDown, {10, 10}, 100));
    Mouse(ui::Event::MouseMove, {50, 50}, 200);
    Mouse(ui::Event::MouseUp, {50, 50}, 300);
    EXPECT_EQ(HostAt()[0], 100);
    EXPECT_FALSE(m_dialog.IsDragging());
    EXPECT_EQ(m_dialog.Heard(ui::Event::MouseDown, 0), 1u);  // left to the panel's handler
}

}  // namespace
}  // namespace mdvr::test
