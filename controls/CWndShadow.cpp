#include "controls/CWndShadow.h"

#include "ui/IView.h"

namespace mdvr {

void CWndShadow::Attach(ui::IView& view) {
    Detach();
    m_view = &view;
    m_view->SetShadow(true);
}

void CWndShadow::Detach() {
    if (m_view == nullptr) return;
    m_view->SetShadow(false);
    m_view = nullptr;
}

}  // namespace mdvr
