#include "controls/CTipSmart.h"

#include "ui/Dialog.h"
#include "ui/PhaseClock.h"

namespace mdvr {

namespace {

bool IsButtonClass(ui::ControlKind kind) {
    switch (kind) {
        case ui::ControlKind::Button:
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::Radio:
        case ui::ControlKind::GroupBox:
            return true;
        default:
            return false;
    }
}

}  // namespace

void CTipSmart::Attach(ui::Dialog& dialog) {
    if (!dialog.IsCreated()) return;
    const ui::PhaseClock::Scope phase(ui::Phase::kTooltips);
    m_dialog = &dialog;
    ui::IView& view = dialog.View();
    for (const ui::ControlDecl& control : dialog.Decl().controls) {
        if (IsButtonClass(control.kind) && view.Has(control.id)) {
            view.SetToolTip(control.id, view.GetText(control.id));
        }
    }
}

void CTipSmart::AddTool(int id, std::wstring_view text) {
    if (m_dialog != nullptr && m_dialog->IsCreated()) m_dialog->View().SetToolTip(id, text);
}

}  // namespace mdvr
