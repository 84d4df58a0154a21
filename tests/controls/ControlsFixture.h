#pragma once
// A test dialog with one control of each kind the controls attach to, shown by the headless
// backend, and a language file carrying the controls' strings.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "controls/CDlgChildBase.h"
#include "support/ScratchDir.h"
#include "text/CLanguage.h"
#include "text/CPathManager.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {

enum : int {
    kTemplate = 9100,
    kBoundsEdit = 1001,
    kOtherEdit = 1002,
    kCheckEdit = 1003,
    kGroupBox = 1004,
    kList = 1005,
    kSkinButton = 1006,
    kLabel = 1007,
    kRadio = 1008,
    kFrame = 1009,
    kSingleList = 1010,
};

inline constexpr uint32_t kListStyle =
    ui::kStyleListCheckBoxes | ui::kStyleListHeaderCheckBox | ui::kStyleListFullRowSelect;

inline constexpr std::array<ui::ControlDecl, 10> kControls = {{
    {kBoundsEdit, ui::ControlKind::Edit, {}, ui::kStyleNone, {10, 10, 80, 20}},
    {kOtherEdit, ui::ControlKind::Edit, {}, ui::kStyleNone, {10, 40, 80, 20}},
    {kCheckEdit, ui::ControlKind::Edit, {}, ui::kStyleNone, {10, 70, 80, 20}},
    {kGroupBox,
     ui::ControlKind::CheckBox,
     {0, L"Group head"},
     ui::kStyleManualCheck,
     {10, 100, 120, 20}},
    {kList, ui::ControlKind::ListView, {}, kListStyle, {10, 130, 300, 200}},
    {kSkinButton,
     ui::ControlKind::Button,
     {0, L"Get parameters"},
     ui::kStyleSkinned,
     {320, 10, 100, 24}},
    {kLabel, ui::ControlKind::Static, {0, L"Label"}, ui::kStyleNone, {320, 40, 100, 20}},
    {kRadio, ui::ControlKind::Radio, {0, L"Option"}, ui::kStyleNone, {320, 70, 100, 20}},
    {kFrame, ui::ControlKind::GroupBox, {0, L"Frame"}, ui::kStyleNone, {320, 100, 200, 100}},
    {kSingleList, ui::ControlKind::ListView, {}, ui::kStyleListSingleSelect, {320, 210, 200, 100}},
}};

inline constexpr ui::DialogDecl kDecl = {kTemplate, {0, L"Controls"}, 600, 400, kControls};

// A rectangle as x, y, w, h, for whole comparisons.
inline std::array<int, 4> Xywh(const ui::Rect& r) {
    return {r.x, r.y, r.w, r.h};
}

// Records what reaches the dialog's own handler.
class RecordingDialog : public CDlgChildBase {
  public:
    explicit RecordingDialog(const ui::DialogDecl& decl = kDecl) : CDlgChildBase(decl) {}
    std::vector<ui::Notification> m_heard;

  protected:
    bool OnNotify(const ui::Notification& n) override {
        if (CDlgChildBase::OnNotify(n)) return true;
        m_heard.push_back(n);
        return false;
    }
};

// One scratch folder per test process; name picks a sub-folder.
inline const test::ScratchDir& Scratch() {
    static const test::ScratchDir root("mdvr_controls_test");
    return root;
}

// A theme whose "color_config.ini" holds the given settings lines, under a temporary path.
inline std::unique_ptr<CPathManager> ThemeWith(const char* name, const std::string& colours) {
    Scratch().Write(std::filesystem::path(name) / "Theme" / "Default" / "color_config.ini",
                    "[COLOR]\n" + colours);
    return std::make_unique<CPathManager>((Scratch().Path() / name).wstring() + L"/");
}

class ControlsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const auto file = Scratch().Write(
            "lang.ini", "[STRING]\n17001=Input error\n17002=Range:\n17003=ASCII only\n");
        CLanguage::Instance().SetFile(file.wstring());
    }

    void SetUp() override { m_automation.Backend().Reset(); }

    // Creates the dialog (after the behaviours were attached) and returns its driver.
    ui::DialogDriver Show(ui::Dialog& dialog) {
        EXPECT_TRUE(dialog.Create(nullptr));
        return m_automation.Find(dialog.Decl().templateId);
    }

    size_t Heard(const RecordingDialog& dialog, ui::Event event, int id) const {
        size_t count = 0;
        for (const ui::Notification& n : dialog.m_heard) count += n.event == event && n.id == id;
        return count;
    }

    ui::Automation m_automation;
};

}  // namespace mdvr::test
