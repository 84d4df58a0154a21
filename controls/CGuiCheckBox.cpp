#include "controls/CGuiCheckBox.h"

#include "ui/IBackend.h"

namespace mdvr {

CGuiCheckBox::CGuiCheckBox(const CPathManager& theme) : m_theme(theme) {}

void CGuiCheckBox::OnAttached(ui::IView& view, int id) {
    m_view = &view;
    m_id = id;
    view.SetCheckMarkColour(id, m_theme.m_dwRGBCheckState);
    Repaint(view, id);
}

bool CGuiCheckBox::OnInput(ui::IView& view, const ui::Notification& n) {
    switch (n.event) {
        case ui::Event::MouseDown:
            m_pressed = true;
            Repaint(view, n.id);
            break;
        case ui::Event::MouseUp:
            if (m_pressed) OnMouseUp(view, n.id, n.inside);
            break;
        case ui::Event::MouseMove:
            if (!m_pressed) OnMouseMove(view, n.id, n.inside);
            break;
        default:
            break;
    }
    return false;  // the platform's handling follows (the click comes from it)
}

void CGuiCheckBox::SetCheck(int state) {
    m_checked = state != 0;
    if (!m_pressed && m_view != nullptr) Repaint(*m_view, m_id);
}

void CGuiCheckBox::OnMouseUp(ui::IView& view, int id, bool inside) {
    if (inside) m_checked = !m_checked;
    m_pressed = false;
    m_hovering = false;
    Repaint(view, id);
    ui::Backend().ReleaseMouse();
}

void CGuiCheckBox::OnMouseMove(ui::IView& view, int id, bool inside) {
    if (!m_hovering) {
        m_hovering = true;
        Repaint(view, id);
        ui::Backend().CaptureMouse(view, id);
    } else if (!inside) {
        m_hovering = false;
        Repaint(view, id);
        ui::Backend().ReleaseMouse();
    }
}

void CGuiCheckBox::Repaint(ui::IView& view, int id) const {
    view.SetCheck(id, GetCheck());
    view.Redraw(id);
}

}  // namespace mdvr
