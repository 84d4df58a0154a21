#pragma once
// The platform's side of user input: each raw input goes to the dialog (its control behaviours
// first) and, unless consumed, gets the default handling the real control would give it.
// A handler may destroy the dialog; nothing touches it after that.
#include <string_view>

#include "ui/Types.h"

namespace mdvr::ui {

class HeadlessBackend;
class HeadlessView;
struct HeadlessControl;

class InputDispatcher {
  public:
    explicit InputDispatcher(HeadlessBackend& backend) : m_backend(&backend) {}

    void Char(HeadlessView& view, int id, wchar_t ch);
    void ImeChar(HeadlessView& view, int id, wchar_t ch);
    // Pastes the clipboard's text, as the platform's paste command does.
    void Paste(HeadlessView& view, int id);
    // id 0: the dialog's own surface, which has no default handling.
    void MouseDown(HeadlessView& view, int id, Point point);
    void MouseMove(HeadlessView& view, int id, bool inside, Point point);
    void MouseUp(HeadlessView& view, int id, bool inside, Point point);
    void KeyDown(HeadlessView& view, int id, uint32_t key, bool ctrl, bool shift);
    void Spin(HeadlessView& view, int id, int delta);
    void SelectEntry(HeadlessView& view, int id, int index);
    void ChangeTime(HeadlessView& view, int id, const DateTime& time);
    void ClickRow(HeadlessView& view, int id, int row, int col, bool onCheckBox);
    void ClickHeader(HeadlessView& view, int id, int col);

  private:
    // Delivers n; returns the control still alive when nobody consumed the input, else null.
    HeadlessControl* Unconsumed(HeadlessView& view, const Notification& n);
    void Notify(HeadlessView& view, int id, Event event);
    void TabFocus(HeadlessView& view, int id, bool backwards);
    void EditKey(HeadlessView& view, HeadlessControl& edit, uint32_t key, bool ctrl);
    void AutoCheck(HeadlessView& view, HeadlessControl& control);

    HeadlessBackend* m_backend;
};

}  // namespace mdvr::ui
