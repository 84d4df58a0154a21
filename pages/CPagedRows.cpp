#include "pages/CPagedRows.h"

#include <string>

#include "pagebase/ComboData.h"

namespace mdvr {

bool CPagedRows::Refresh(ui::IView& view, bool enabled) {
    if (view.GetSel(m_ids.count) < 0) return true;
    const int count = static_cast<int>(SelectedComboData(view, m_ids.count));
    const int lastPage = count > 0 ? (count - 1) / kRowsPerPage : 0;
    const bool moved = FirstRecord() >= count;
    if (moved) {
        m_owner.StoreRows();
        m_page = lastPage;
        m_owner.ShowRows();
    }
    const int pages = (count + kRowsPerPage - 1) / kRowsPerPage;
    view.SetText(m_ids.label, std::to_wstring(m_page + 1) + L"/" + std::to_wstring(pages));
    for (int row = 0; row < kRowsPerPage; ++row) {
        m_owner.EnableRow(row, enabled && FirstRecord() + row < count);
    }
    view.Enable(m_ids.previous, enabled && m_page > 0);
    view.Enable(m_ids.next, enabled && m_page < lastPage);
    return !moved;
}

void CPagedRows::Turn(ui::IView& view, int delta, bool enabled) {
    const int page = m_page + delta;
    if (page < 0 || page > kMaxPage) return;
    m_owner.StoreRows();
    m_page = page;
    m_owner.ShowRows();
    Refresh(view, enabled);
}

}  // namespace mdvr
