#pragma once
// Every dialog of the plug-in: the theme's background, and its text colour for statics, check
// boxes, radios and group boxes.
#include "text/CPathManager.h"
#include "ui/Dialog.h"

namespace mdvr {

class CDialogBase : public ui::Dialog {
  public:
    explicit CDialogBase(const ui::DialogDecl& decl,
                         const CPathManager& theme = CPathManager::Instance());

  protected:
    bool OnInitDialog() override;
    const CPathManager& Theme() const { return m_theme; }

  private:
    const CPathManager& m_theme;
};

}  // namespace mdvr
