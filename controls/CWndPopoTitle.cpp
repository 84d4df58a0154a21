#include "controls/CWndPopoTitle.h"

#include "controls/Scaling.h"
#include "ui/IView.h"

namespace mdvr {

CWndPopoTitle::CWndPopoTitle() : m_height(ScaleHalf(kHeight)) {}

bool CWndPopoTitle::Create(ui::IView& view, const ui::Rect& rect) {
    ui::ControlDecl decl;
    decl.id = kId;
    decl.kind = ui::ControlKind::Static;
    decl.caption.literal = m_title.c_str();
    decl.place = rect;
    if (!view.AddControl(decl)) return false;
    m_view = &view;
    view.Move(kId, rect);  // the declared place is in 96-DPI pixels, rect is not
    return true;
}

void CWndPopoTitle::Move(const ui::Rect& rect) {
    if (m_view != nullptr) m_view->Move(kId, rect);
}

void CWndPopoTitle::SetTitle(std::wstring_view title) {
    m_title.assign(title);
    if (m_view != nullptr) m_view->SetText(kId, m_title);
}

}  // namespace mdvr
