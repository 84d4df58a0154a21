#pragma once
// A skinned check box that keeps its own state (declared with kStyleManualCheck): it flips only
// when the button comes up inside the box it went down on.
#include "text/CPathManager.h"
#include "ui/IControlBehavior.h"

namespace mdvr {

class CGuiCheckBox : public ui::IControlBehavior {
  public:
    // The mark is drawn in the theme's m_dwRGBCheckState.
    explicit CGuiCheckBox(const CPathManager& theme = CPathManager::Instance());

    void OnAttached(ui::IView& view, int id) override;
    bool OnInput(ui::IView& view, const ui::Notification& n) override;

    int GetCheck() const { return m_checked ? 1 : 0; }
    // Shown at once, unless the box is pressed: then the release shows it.
    void SetCheck(int state);
    bool IsPressed() const { return m_pressed; }
    bool IsHovering() const { return m_hovering; }

  private:
    void OnMouseUp(ui::IView& view, int id, bool inside);
    void OnMouseMove(ui::IView& view, int id, bool inside);
    void Repaint(ui::IView& view, int id) const;

    const CPathManager& m_theme;
    ui::IView* m_view = nullptr;
    int m_id = 0;
    bool m_checked = false;
    bool m_pressed = false;
    bool m_hovering = false;
};

}  // namespace mdvr
