#pragma once
// Every dialog of the plug-in: the theme's background, and its text colour for statics, check
// boxes, radios and group boxes.
#include "controls/ControlTheme.h"
#include "ui/Dialog.h"

namespace mdvr {

class CDialogBase : public ui::Dialog {
  public:
    explicit CDialogBase(const ui::DialogDecl& decl,
                         const ControlTheme& theme = ControlTheme::Current());

  protected:
    bool OnInitDialog() override;
    const ControlTheme& Theme() const { return m_theme; }

  private:
    const ControlTheme& m_theme;
};

}  // namespace mdvr
