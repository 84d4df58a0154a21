#include "controls/CDialogBase.h"

namespace mdvr {

CDialogBase::CDialogBase(const ui::DialogDecl& decl, const ControlTheme& theme)
    : ui::Dialog(decl), m_theme(theme) {}

bool CDialogBase::OnInitDialog() {
    View().SetBackground(m_theme.dialogBackground);
    View().SetTextColour(m_theme.textColour);
    return true;
}

}  // namespace mdvr
