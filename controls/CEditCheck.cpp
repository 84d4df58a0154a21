#include "controls/CEditCheck.h"

#include "controls/ControlTexts.h"
#include "controls/EditNumber.h"
#include "text/CLanguage.h"
#include "ui/Dialog.h"

namespace mdvr {

void CEditCheck::OnAttached(ui::IView& view, int id) {
    m_view = &view;
    m_id = id;
}

bool CEditCheck::OnInput(ui::IView& view, const ui::Notification& n) {
    switch (n.event) {
        case ui::Event::Char:
            return n.key >= 0x80;  // dropped silently
        case ui::Event::ImeChar:
            NotifyRejected();  // then it arrives as a typed character
            return false;
        case ui::Event::Pasted:
            TrimPasted(view, n.id);
            return false;
        default:
            return false;
    }
}

void CEditCheck::TrimPasted(ui::IView& view, int id) {
    std::wstring text = view.GetText(id);
    const size_t kept = PrintableAsciiPrefix(text);
    if (kept < text.size()) NotifyRejected();
    text.resize(kept);
    view.SetText(id, text);
    const int end = static_cast<int>(kept);
    view.SelectText(id, end, end);
}

void CEditCheck::NotifyRejected() {
    if (m_pNotifyWnd == nullptr || !m_pNotifyWnd->IsCreated()) return;
    m_pNotifyWnd->View().Post(m_nNotifyMsg, 0, reinterpret_cast<intptr_t>(this));
}

void CEditCheck::ShowRejected(intptr_t lParam) {
    const auto* edit = reinterpret_cast<const CEditCheck*>(lParam);
    if (edit == nullptr || edit->m_view == nullptr) return;
    CLanguage& language = CLanguage::Instance();
    edit->m_view->ShowBalloon(edit->m_id, language.GetText(kStrInputErrorTitle),
                              language.GetText(kStrRejectedChar), ui::BalloonIcon::Error);
}

}  // namespace mdvr
