#pragma once
// A dialog's tooltips: every button-class child (push buttons, check boxes, radios, group boxes)
// shows its own caption, so captions the layout cuts off can be read in full.
#include <string_view>

namespace mdvr {

namespace ui {
class Dialog;
}

class CTipSmart {
  public:
    // Registers the created dialog's button-class children with their captions.
    void Attach(ui::Dialog& dialog);
    // A tip of the page's own for one control.
    void AddTool(int id, std::wstring_view text);
    bool IsAttached() const { return m_dialog != nullptr; }

  private:
    ui::Dialog* m_dialog = nullptr;
};

}  // namespace mdvr
