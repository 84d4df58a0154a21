#pragma once
// A test dialog with one control of each kind the controls attach to, shown by the headless
// backend, and a language file carrying the controls' strings.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/CDlgChildBase.h"
#include "support/ScratchDir.h"
#include "text/CLanguage.h"
#include "text/CPathManager.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {

enum : int { kTemplate = 9100 };
enum : int { kBoundsEdit = 1001, kOtherEdit, kCheckEdit, kGroupBox, kList, kSkinButton, kLabel };
enum : int { kRadio = kLabel + 1, kFrame, kSingleList };

inline constexpr uint32_t kListStyle =
    ui::kStyleListCheckBoxes | ui::kStyleListHeaderCheckBox | ui::kStyleListFullRowSelect;

using enum ui::ControlKind;
inline constexpr std::array<ui::ControlDecl, 10> kControls = {{
    {kBoundsEdit, Edit, {}, ui::kStyleNone, {10, 10, 80, 20}},
    {kOtherEdit, Edit, {}, ui::kStyleNone, {10, 40, 80, 20}},
    {kCheckEdit, Edit, {}, ui::kStyleNone, {10, 70, 80, 20}},
    {kGroupBox, CheckBox, {0, L"Group head"}, ui::kStyleManualCheck, {10, 100, 120, 20}},
    {kList, ListView, {}, kListStyle, {10, 130, 300, 200}},
    {kSkinButton, Button, {0, L"Get parameters"}, ui::kStyleSkinned, {320, 10, 100, 24}},
    {kLabel, Static, {0, L"Label"}, ui::kStyleNone, {320, 40, 100, 20}},
    {kRadio, Radio, {0, L"Option"}, ui::kStyleNone, {320, 70, 100, 20}},
    {kFrame, GroupBox, {0, L"Frame"}, ui::kStyleNone, {320, 100, 200, 100}},
    {kSingleList, ListView, {}, ui::kStyleListSingleSelect, {320, 210, 200, 100}},
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

    size_t Heard(ui::Event event, int id) const {
        size_t count = 0;
        for (const ui::Notification& n : m_heard) count += n.event == event && n.id == id;
        return count;
    }

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

// A theme under a temporary application path holding the given files (name, content).
inline std::unique_ptr<CPathManager> Theme(
    const char* name, const std::vector<std::pair<std::string, std::string>>& files) {
    for (const auto& [file, content] : files)
        Scratch().Write(std::filesystem::path(name) / "Theme" / "Default" / file, content);
    return std::make_unique<CPathManager>((Scratch().Path() / name).wstring() + L"/");
}

// The test dialog (shown by Open, after the behaviours were attached) and its driver.
class ControlsTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const auto file = Scratch().Write(
            "lang.ini", "[STRING]\n17001=Input error\n17002=Range:\n17003=ASCII only\n");
        CLanguage::Instance().SetFile(file.wstring());
    }

    void SetUp() override { m_automation.Backend().Reset(); }
    // Before the behaviours of a derived fixture go.
    void TearDown() override { m_dialog.Destroy(); }

    // Creates a dialog and returns its driver.
    ui::DialogDriver Show(ui::Dialog& dialog) {
        EXPECT_TRUE(dialog.Create(nullptr));
        return m_automation.Find(dialog.Decl().templateId);
    }
    void Open() { m_driver = Show(m_dialog); }
    ui::HeadlessView& View() const { return *m_driver.View(); }

    ui::Automation m_automation;
    RecordingDialog m_dialog;
    ui::DialogDriver m_driver{m_automation.Backend(), nullptr};
};

}  // namespace mdvr::test
