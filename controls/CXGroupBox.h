#pragma once
// The group frame with its caption, drawn in the theme's group colours.
#include "text/CPathManager.h"
#include "ui/IControlBehavior.h"

namespace mdvr {

class CXGroupBox : public ui::IControlBehavior {
  public:
    explicit CXGroupBox(const CPathManager& theme = CPathManager::Instance());

    // Caption m_dwRGBGroupText, fill m_dwRGBGroupBK, frame m_dwRGBBorder.
    void OnAttached(ui::IView& view, int id) override;
    bool OnInput(ui::IView& /*view*/, const ui::Notification& /*n*/) override { return false; }

  private:
    const CPathManager& m_theme;
};

}  // namespace mdvr
