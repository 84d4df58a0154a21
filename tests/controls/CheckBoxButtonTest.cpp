#include "controls/CCxButton.h"
#include "controls/CGuiCheckBox.h"
#include "controls/CTipSmart.h"
#include "support/MouseScript.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

using CheckBoxButton = ControlsTest;

TEST_F(CheckBoxButton, PressMoveReleaseDecidesTheFlip) {
    struct Case {
        const char* script;  // see PlayMouse
        int check;
        size_t clicks;
    };
    const Case cases[] = {
        {"pI", 1, 1}, {"poO", 0, 0}, {"poiI", 1, 1}, {"pO", 0, 0}, {"I", 0, 0}, {"pIpI", 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        CGuiCheckBox box;
        RecordingDialog dialog;
        dialog.Attach(kGroupBox, box);
        ui::DialogDriver driver = Show(dialog);
        PlayMouse(driver, kGroupBox, c.script);
        EXPECT_EQ(box.GetCheck(), c.check);
        EXPECT_EQ(driver.Check(kGroupBox), c.check);
        EXPECT_EQ(dialog.Heard(ui::Event::Click, kGroupBox), c.clicks);
        EXPECT_FALSE(box.IsPressed());
        EXPECT_FALSE(m_automation.Backend().HasCapture(*driver.View()));
    }
}

// A check set while pressed shows on release; hovering holds the mouse until it leaves.
TEST_F(CheckBoxButton, SetCheckWhilePressedAndHover) {
    CGuiCheckBox box;
    m_dialog.Attach(kGroupBox, box);
    Open();
    box.SetCheck(1);
    EXPECT_EQ(m_driver.Check(kGroupBox), 1);
    m_driver.PressMouse(kGroupBox);
    box.SetCheck(0);
    EXPECT_EQ(box.GetCheck(), 0);
    EXPECT_EQ(m_driver.Check(kGroupBox), 1);  // not repainted yet
    m_driver.ReleaseMouse(kGroupBox, false);
    EXPECT_EQ(m_driver.Check(kGroupBox), 0);
    const auto& backend = m_automation.Backend();
    for (bool inside : {true, true, false}) {
        m_driver.MoveMouse(kGroupBox, inside);
        EXPECT_EQ(box.IsHovering(), inside);
        EXPECT_EQ(backend.HasCapture(View()), inside);
    }
}

TEST_F(CheckBoxButton, ButtonImagesFromTheThemeOrDrawn) {
    // The smallest PNG header the image loader accepts: signature, IHDR, 1 x 1.
    const std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01", 24);
    const auto theme = Theme("buttons", {{"btn_bk.jpg", png},
                                         {"btn_bk_over.jpg", png},
                                         {"my.png", png},
                                         {"my_over.png", png},
                                         {"btn_long_bk.jpg", png}});
    const auto path = [&](const wchar_t* name) { return theme->GetThemeFolder() + name; };
    CCxButton plain(*theme);
    m_dialog.Attach(kSkinButton, plain);
    Open();
    using Images = std::array<std::wstring, 4>;
    const auto& images = View().Find(kSkinButton)->images;
    // Defaults: the disabled image is missing, so it is drawn.
    EXPECT_EQ(images, (Images{path(L"btn_bk.jpg"), path(L"btn_bk_over.jpg"),
                              path(L"btn_bk_over.jpg"), L""}));
    plain.SetImages(L"my.png", L"my_over.png", L"", L"");
    EXPECT_EQ(images, (Images{path(L"my.png"), path(L"my_over.png"), path(L"my_over.png"),
                              path(L"my.png")}));
    plain.SetImages(L"my.png", L"", L"x.png", L"y.png");  // no hover: the defaults
    EXPECT_EQ(plain.Images().normal, L"btn_bk.jpg");
}

TEST_F(CheckBoxButton, TipSmartGivesButtonClassChildrenTheirCaptions) {
    Open();
    View().SetText(kGroupBox, L"A caption the layout cuts off");
    CTipSmart tips;
    tips.Attach(m_dialog);
    const std::pair<int, const wchar_t*> tipOf[] = {
        {kGroupBox, L"A caption the layout cuts off"},
        {kSkinButton, L"Get parameters"},
        {kRadio, L"Option"},
        {kFrame, L"Frame"},
        {kLabel, L""},
        {kBoundsEdit, L""},
    };
    for (const auto& [id, tip] : tipOf) EXPECT_EQ(m_driver.ToolTip(id), tip) << id;
    tips.AddTool(kBoundsEdit, L"0~127");
    EXPECT_EQ(m_driver.ToolTip(kBoundsEdit), L"0~127");
}

}  // namespace
}  // namespace mdvr::test
