#pragma once
// A user at one headless dialog: acts on its controls through the same input path as a keyboard
// and mouse, then lets the message loop run (posted messages are delivered before it returns).
// Actions on a control the user cannot reach (missing, disabled, hidden, or its dialog hidden)
// do nothing and return false. A driver of a destroyed dialog reads as empty.
#include <string>
#include <string_view>
#include <vector>

#include "ui/headless/HeadlessControl.h"
#include "ui/headless/InputDispatcher.h"

namespace mdvr::ui {

class HeadlessBackend;
class HeadlessView;

class DialogDriver {
  public:
    DialogDriver(HeadlessBackend& backend, const HeadlessView* view);

    bool IsValid() const { return View() != nullptr; }
    HeadlessView* View() const;
    int TemplateId() const;

    // --- actions ---
    bool Type(int id, std::wstring_view text);
    bool TypeIme(int id, std::wstring_view text);
    bool Paste(int id, std::wstring_view text);  // through the clipboard
    bool Click(int id);
    // Mouse input on a control, or with id 0 on the dialog's own surface; point in its coordinates.
    bool PressMouse(int id, Point point = {});
    bool MoveMouse(int id, bool inside, Point point = {});
    bool ReleaseMouse(int id, bool inside, Point point = {});
    bool SelectIndex(int id, int index);
    bool SelectByData(int id, uint32_t data);
    bool SetTime(int id, const DateTime& time);
    bool Spin(int id, int delta);
    bool PressKey(int id, uint32_t key, bool ctrl = false, bool shift = false);
    bool PointAtCell(int id, int row, int col);  // row -1: the pointer leaves the cells
    bool ClickRow(int id, int row, int col = 0, bool onCheckBox = false);
    bool ClickHeader(int id, int col);
    bool Focus(int id);
    // How the dialog's client point reacts to the mouse (pop-ups: caption drags, borders resize).
    HitZone HitTest(Point clientPoint) const;

    // --- reads ---
    std::wstring Text(int id) const;
    int Check(int id) const;
    int Sel(int id) const;
    uint32_t SelData(int id) const;
    std::vector<std::wstring> Entries(int id) const;
    DateTime Time(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;  // the control's own visibility
    bool Focused(int id) const;
    int RowCount(int id) const;
    std::wstring Cell(int id, int row, int col) const;
    bool RowChecked(int id, int row) const;
    bool RowSelected(int id, int row) const;
    bool HeaderChecked(int id) const;
    std::vector<Balloon> Balloons(int id) const;
    std::wstring ToolTip(int id) const;
    int ToolTipCloses(int id) const;
    // One line per control: kind, ID, text in quotes, then check, sel, rows, disabled, hidden.
    std::wstring Describe() const;

  private:
    // The control when a user can reach it: present, enabled, visible, in a showing dialog.
    HeadlessControl* Reachable(int id) const;
    // A control a user can reach, or the surface (id 0) of a showing dialog.
    bool CanPoint(int id) const;
    const HeadlessControl* Control(int id) const;
    // Focuses the control as a click into it would (keyboard input goes to the focus).
    bool FocusForKeys(int id);
    bool Done();

    HeadlessBackend* m_backend;
    uint64_t m_serial;
    mutable InputDispatcher m_input;
};

}  // namespace mdvr::ui
