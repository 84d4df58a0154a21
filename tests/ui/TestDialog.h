#pragma once
// A dialog with every control kind, recording what reaches it, for driving the headless backend.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ui/Dialog.h"
#include "ui/headless/Automation.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::ui::test {

enum : int { kTemplate = 900 };
enum : int { kStatic = 100, kButton, kAuto, kManual, kRadio1, kRadio2, kGroup, kEdit, kDigits };
enum : int { kLimited = kDigits + 1, kUpper, kReadOnly, kCombo, kTime, kSpinEdit, kSpin, kList };
enum : int { kDisabled = kList + 1, kNoTab, kMultiLine };

inline constexpr ControlDecl kControls[] = {
    {kStatic, ControlKind::Static, {0, L"Label"}, kStyleNone, {10, 10, 80, 20}},
    {kButton, ControlKind::Button, {0, L"OK"}, kStyleNone, {10, 40, 80, 24}},
    {kAuto, ControlKind::CheckBox, {0, L"Auto"}, kStyleNone, {10, 70, 80, 20}},
    {kManual, ControlKind::CheckBox, {0, L"Manual"}, kStyleManualCheck, {10, 100, 80, 20}},
    {kRadio1, ControlKind::Radio, {0, L"One"}, kStyleNone, {10, 130, 80, 20}},
    {kRadio2, ControlKind::Radio, {0, L"Two"}, kStyleNone, {10, 160, 80, 20}},
    {kGroup, ControlKind::GroupBox, {0, L"Group"}, kStyleNone, {5, 5, 300, 300}},
    {kEdit, ControlKind::Edit, {}, kStyleNone, {100, 10, 100, 20}},
    {kDigits, ControlKind::Edit, {}, kStyleDigitsOnly, {100, 40, 100, 20}},
    {kLimited, ControlKind::Edit, {}, kStyleNone, {100, 70, 100, 20}, 4},
    {kUpper, ControlKind::Edit, {}, kStyleUpperCase, {100, 100, 100, 20}},
    {kReadOnly, ControlKind::Edit, {0, L"fixed"}, kStyleReadOnly, {100, 130, 100, 20}},
    {kCombo, ControlKind::ComboBox, {}, kStyleNone, {100, 160, 100, 200}},
    {kTime, ControlKind::TimePicker, {}, kStyleNone, {100, 190, 100, 20}},
    {kSpinEdit, ControlKind::Edit, {}, kStyleDigitsOnly, {100, 220, 80, 20}},
    {kSpin, ControlKind::UpDown, {}, kStyleNone, {180, 220, 16, 20}, 0, kSpinEdit},
    {kList, ControlKind::ListView, {}, kStyleListCheckBoxes, {220, 10, 300, 200}},
    {kDisabled, ControlKind::Edit, {}, kStyleDisabled, {100, 250, 100, 20}},
    {kNoTab, ControlKind::Button, {0, L"Skip"}, kStyleNoTabStop, {10, 190, 80, 24}},
    {kMultiLine, ControlKind::Edit, {}, kStyleMultiLine, {220, 220, 200, 60}},
};

inline constexpr DialogDecl kDecl{kTemplate, {0, L"Every control"}, 600, 400, kControls};

// Consumes the input of its control for which the predicate holds; records everything it saw.
class Interceptor : public IControlBehavior {
  public:
    explicit Interceptor(std::function<bool(const Notification&)> consume = nullptr)
        : m_consume(std::move(consume)) {}
    void OnAttached(IView& /*view*/, int /*id*/) override { ++m_attached; }
    bool OnInput(IView& /*view*/, const Notification& n) override {
        m_seen.push_back(n);
        return m_consume && m_consume(n);
    }
    int m_attached = 0;
    std::vector<Notification> m_seen;

  private:
    std::function<bool(const Notification&)> m_consume;
};

class TestDialog : public Dialog {
  public:
    explicit TestDialog(const DialogDecl& decl = kDecl) : Dialog(decl) {}

    std::vector<Notification> m_heard;
    // Runs for every notification after it is recorded; returns true to consume it.
    std::function<bool(TestDialog&, const Notification&)> m_react;
    int m_resizes = 0;

    std::vector<Event> Events(int id) const {
        std::vector<Event> events;
        for (const Notification& n : m_heard) {
            if (n.id == id) events.push_back(n.event);
        }
        return events;
    }

  protected:
    bool OnNotify(const Notification& n) override {
        m_heard.push_back(n);
        return m_react && m_react(*this, n);
    }
    void OnSize(int /*width*/, int /*height*/) override { ++m_resizes; }
};

// A created test dialog, a driver for it and a clean backend for every test, on a screen of
// m_dpi.
class HeadlessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_automation.Backend().Reset();
        m_automation.Backend().SetDpi(m_dpi);
        ASSERT_TRUE(m_dialog.Create(nullptr));
        m_driver = m_automation.Find(kTemplate);
        ASSERT_TRUE(m_driver.IsValid());
    }
    void TearDown() override { m_automation.Backend().SetDpi(96); }
    HeadlessView& View() const { return *m_driver.View(); }

    int m_dpi = 96;
    Automation m_automation;
    TestDialog m_dialog;
    DialogDriver m_driver{m_automation.Backend(), nullptr};
};

}  // namespace mdvr::ui::test
