#include "controls/CXGroupBox.h"

#include "ui/IView.h"

namespace mdvr {

CXGroupBox::CXGroupBox(const CPathManager& theme) : m_theme(theme) {}

void CXGroupBox::OnAttached(ui::IView& view, int id) {
    view.SetGroupColours(id,
                         {m_theme.m_dwRGBGroupText, m_theme.m_dwRGBGroupBK, m_theme.m_dwRGBBorder});
}

}  // namespace mdvr
