#pragma once
// A pop-up's drop shadow: a click-through layered window the backend keeps under the pop-up as
// it moves, resizes, shows and hides.
namespace mdvr {

namespace ui {
class IView;
}

class CWndShadow {
  public:
    void Attach(ui::IView& view);
    void Detach();
    bool IsAttached() const { return m_view != nullptr; }

  private:
    ui::IView* m_view = nullptr;
};

}  // namespace mdvr
