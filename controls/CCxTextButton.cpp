#include "controls/CCxTextButton.h"

#include "ui/IView.h"

namespace mdvr {

void CCxTextButton::ApplyImages() {
    if (m_view != nullptr) m_view->SetButtonImages(m_id, {}, {}, {}, {});
}

}  // namespace mdvr
