#include "controls/CDialogBase.h"

namespace mdvr {

CDialogBase::CDialogBase(const ui::DialogDecl& decl, const CPathManager& theme)
    : ui::Dialog(decl), m_theme(theme) {}

bool CDialogBase::OnInitDialog() {
    View().SetBackground(m_theme.m_dwRGBDlgPopupBaseBK);
    View().SetTextColour(m_theme.m_dwRGBTextColor);
    return true;
}

}  // namespace mdvr
