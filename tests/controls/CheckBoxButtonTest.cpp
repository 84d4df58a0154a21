#include "controls/CCxButton.h"
#include "controls/CGuiCheckBox.h"
#include "controls/CTipSmart.h"
#include "support/MouseScript.h"
#include "tests/controls/ControlsFixture.h"

namespace mdvr::test {
namespace {

class CheckBoxButton : public ControlsTest {
  protected:
    ui::HeadlessView& View() const { return *m_driver.View(); }

    RecordingDialog m_dialog;
    ui::DialogDriver m_driver{m_automation.Backend(), nullptr};
};

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
        EXPECT_EQ(Heard(dialog, ui::Event::Click, kGroupBox), c.clicks);
        EXPECT_FALSE(box.IsPressed());
        EXPECT_FALSE(m_automation.Backend().HasCapture(*driver.View()));
    }
}

TEST_F(CheckBoxButton, SetCheckWhilePressedShowsOnRelease) {
    CGuiCheckBox box;
    m_dialog.Attach(kGroupBox, box);
    m_driver = Show(m_dialog);
    box.SetCheck(1);
    EXPECT_EQ(m_driver.Check(kGroupBox), 1);
    m_driver.PressMouse(kGroupBox);
    box.SetCheck(0);
    EXPECT_EQ(box.GetCheck(), 0);
    EXPECT_EQ(m_driver.Check(kGroupBox), 1);  // not repainted yet
    m_driver.ReleaseMouse(kGroupBox, false);
    EXPECT_EQ(m_driver.Check(kGroupBox), 0);
}

TEST_F(CheckBoxButton, HoverTakesAndReleasesTheCapture) {
    CGuiCheckBox box;
    m_dialog.Attach(kGroupBox, box);
    m_driver = Show(m_dialog);
    const auto& backend = m_automation.Backend();
    m_driver.MoveMouse(kGroupBox, true);
    EXPECT_TRUE(box.IsHovering());
    EXPECT_TRUE(backend.HasCapture(View()));
    m_driver.MoveMouse(kGroupBox, true);
    EXPECT_TRUE(backend.HasCapture(View()));
    m_driver.MoveMouse(kGroupBox, false);
    EXPECT_FALSE(box.IsHovering());
    EXPECT_FALSE(backend.HasCapture(View()));
}

// A theme folder under a temporary application path; files lists the images present there.
struct ThemeDir {
    explicit ThemeDir(const char* name, const std::vector<std::string>& files) {
        // The smallest PNG header the image loader accepts: signature, IHDR, 1 x 1.
        const std::string png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x01\0\0\0\x01", 24);
        for (const std::string& file : files)
            Scratch().Write(std::filesystem::path(name) / "Theme" / "Default" / file, png);
        m_theme = std::make_unique<CPathManager>((Scratch().Path() / name).wstring() + L"/");
    }
    std::wstring Path(const wchar_t* name) const { return m_theme->GetThemeFolder() + name; }
    std::unique_ptr<CPathManager> m_theme;
};

TEST_F(CheckBoxButton, ButtonImagesFromTheThemeOrDrawn) {
    const ThemeDir theme(
        "buttons", {"btn_bk.jpg", "btn_bk_over.jpg", "my.png", "my_over.png", "btn_long_bk.jpg"});
    CCxButton plain(*theme.m_theme);
    m_dialog.Attach(kSkinButton, plain);
    m_driver = Show(m_dialog);
    using Images = std::array<std::wstring, 4>;
    const auto& images = View().Find(kSkinButton)->images;
    // Defaults: the disabled image is missing, so it is drawn.
    EXPECT_EQ(images, (Images{theme.Path(L"btn_bk.jpg"), theme.Path(L"btn_bk_over.jpg"),
                              theme.Path(L"btn_bk_over.jpg"), L""}));
    plain.SetImages(L"my.png", L"my_over.png", L"", L"");
    EXPECT_EQ(images, (Images{theme.Path(L"my.png"), theme.Path(L"my_over.png"),
                              theme.Path(L"my_over.png"), theme.Path(L"my.png")}));
    plain.SetImages(L"my.png", L"", L"x.png", L"y.png");  // no hover: the defaults
    EXPECT_EQ(plain.Images().normal, L"btn_bk.jpg");
}

TEST_F(CheckBoxButton, TipSmartGivesButtonClassChildrenTheirCaptions) {
    m_driver = Show(m_dialog);
    View().SetText(kGroupBox, L"A caption the layout cuts off");
    CTipSmart tips;
    tips.Attach(m_dialog);
    EXPECT_EQ(m_driver.ToolTip(kGroupBox), L"A caption the layout cuts off");
    EXPECT_EQ(m_driver.ToolTip(kSkinButton), L"Get parameters");
    EXPECT_EQ(m_driver.ToolTip(kRadio), L"Option");
    EXPECT_EQ(m_driver.ToolTip(kFrame), L"Frame");
    EXPECT_EQ(m_driver.ToolTip(kLabel), L"");
    EXPECT_EQ(m_driver.ToolTip(kBoundsEdit), L"");
    tips.AddTool(kBoundsEdit, L"0~127");
    EXPECT_EQ(m_driver.ToolTip(kBoundsEdit), L"0~127");
}

}  // namespace
}  // namespace mdvr::test
