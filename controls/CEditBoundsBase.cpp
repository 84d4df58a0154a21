#include "controls/CEditBoundsBase.h"

#include "controls/EditNumber.h"
#include "ui/IView.h"

namespace mdvr {

void CEditBoundsBase::SetBounds(int32_t min, int32_t max) {
    m_min = min;
    m_max = max;
    m_min64 = 0;
    m_max64 = 0;
}

void CEditBoundsBase::SetBounds64(int64_t min, int64_t max) {
    m_min64 = min;
    m_max64 = max;
    m_min = 0;
    m_max = 0;
}

void CEditBoundsBase::OnAttached(ui::IView& /*view*/, int /*id*/) {}

bool CEditBoundsBase::OnInput(ui::IView& view, const ui::Notification& n) {
    if (n.event != ui::Event::KillFocus) return false;
    CheckBounds(view, n.id);
    return true;
}

void CEditBoundsBase::CheckBounds(ui::IView& view, int id) {
    const std::wstring text = view.GetText(id);
    // Text the program put there (a terminal's value, a popup's result) is not the user's input;
    // an empty field is still checked, it reads as 0.
    if (!text.empty() && !view.IsModified(id)) return;
    switch (ActiveBounds(m_min, m_max, m_min64, m_max64)) {
        case BoundsKind::k32: {
            const int32_t value = ReadEditInt32(text);
            if (value < m_min || value > m_max) ShowBoundsError(view, id);
            break;
        }
        case BoundsKind::k64: {
            const int64_t value = ReadEditInt64(text);
            if (value < m_min64 || value > m_max64) ShowBoundsError64(view, id);
            break;
        }
        case BoundsKind::kNone:
            break;
    }
}

}  // namespace mdvr
