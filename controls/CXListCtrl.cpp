#include "controls/CXListCtrl.h"

#include "controls/ListCompare.h"
#include "controls/Scaling.h"
#include "ui/IBackend.h"

namespace mdvr {

namespace {

constexpr int kRowHeight = 22;
constexpr size_t kSortTextChars = 255;
constexpr uint32_t kKeyA = 'A';
constexpr uint32_t kKeyC = 'C';
constexpr const wchar_t* kTipCell = L"复制单元格数据 完成";
constexpr const wchar_t* kTipRow = L"复制一行数据 完成";
constexpr const wchar_t* kTipList = L"复制列表全部数据 完成";

std::map<std::wstring, uint32_t> DefaultColours() {
    return {{L"Normal", Rgb(0, 0, 0)},
            {L"Offline", Rgb(0, 0, 0)},
            {L"Online", Rgb(0, 153, 0)},
            {L"Warning", Rgb(255, 0, 0)},
            {L"ConfirmedWarning", Rgb(237, 35, 235)}};
}

ui::ListColours ThemeColours(const CPathManager& theme) {
    ui::ListColours look;
    look.rowBack[0] = theme.m_dwRGBListItemBK[0];
    look.rowBack[1] = theme.m_dwRGBListItemBK[1];
    look.headerBack[0] = theme.m_dwRGBListHeadCtrlBK[0];
    look.headerBack[1] = theme.m_dwRGBListHeadCtrlBK[1];
    look.focusBack[0] = theme.m_dwRGBListItemBKFocus[0];
    look.focusBack[1] = theme.m_dwRGBListItemBKFocus[1];
    // The theme has one text colour; the header and selected rows wear it too.
    look.text = theme.m_dwRGBTextColor;
    look.headerText = theme.m_dwRGBTextColor;
    look.focusText = theme.m_dwRGBTextColor;
    return look;
}

}  // namespace

CXListCtrl::CXListCtrl(uint32_t listStyle, const CPathManager& theme)
    : m_style(listStyle),
      m_rowHeight(ScaleFull(kRowHeight)),
      m_colours(DefaultColours()),
      m_look(ThemeColours(theme)) {}

void CXListCtrl::OnAttached(ui::IView& view, int id) {
    m_view = &view;
    m_id = id;
    view.SetRowTextColours(id, [this](int row) { return RowTextColour(row); });
    view.SetHorzScrollBar(id, !m_noHorzScroll);
    ApplyColours();
}

bool CXListCtrl::OnInput(ui::IView& /*view*/, const ui::Notification& n) {
    if (n.event == ui::Event::KeyDown) return OnKeyDown(n);
    if (n.event == ui::Event::HeaderClick) OnHeaderClick(n.col);
    return false;
}

int CXListCtrl::InsertColumn(int index, std::wstring_view title, int format, int width, int kind) {
    if (m_view == nullptr) return -1;
    const int scaled = ScaleFull(width);
    const int at = m_view->InsertColumn(m_id, index, title, scaled);
    if (at < 0) return -1;
    m_header.InsertColumn(at, {std::wstring(title), format, scaled, kind});
    return at;
}

void CXListCtrl::AddStatusColumns() {
    if (m_view == nullptr) return;
    InsertColumn(m_view->ColumnCount(m_id), L"Relation", 0, 0, CSortHeaderCtrl::kKindRelation);
    InsertColumn(m_view->ColumnCount(m_id), L"Status", 0, 0, CSortHeaderCtrl::kKindStatus);
}

void CXListCtrl::SetUserCompare(UserCompare compare, uintptr_t userValue) {
    m_userCompare = compare;
    m_userValue = userValue;
}

std::wstring CXListCtrl::ColourKey(int row, int col) {
    return L"#" + std::to_wstring(row) + L"_" + std::to_wstring(col);
}

void CXListCtrl::SetTextColour(const std::wstring& key, uint32_t colour) {
    m_colours[key] = colour;
    if (m_view != nullptr) m_view->Redraw(m_id);
}

std::optional<uint32_t> CXListCtrl::RowTextColour(int row) const {
    if (auto it = m_colours.find(ColourKey(row, 0)); it != m_colours.end()) return it->second;
    const int status = FindColumnByKind(CSortHeaderCtrl::kKindStatus);
    if (m_view == nullptr || status < 0) return std::nullopt;
    if (auto it = m_colours.find(m_view->GetCellText(m_id, row, status)); it != m_colours.end()) {
        return it->second;
    }
    return std::nullopt;
}

void CXListCtrl::SetRowBackColours(uint32_t even, uint32_t odd) {
    m_look.rowBack[0] = even;
    m_look.rowBack[1] = odd;
    ApplyColours();
}

void CXListCtrl::SetHeaderBackColours(uint32_t top, uint32_t bottom) {
    m_look.headerBack[0] = top;
    m_look.headerBack[1] = bottom;
    ApplyColours();
}

void CXListCtrl::SetHeaderTextColour(uint32_t text) {
    m_look.headerText = text;
    ApplyColours();
}

void CXListCtrl::SetFocusColours(uint32_t focused, uint32_t unfocused) {
    m_look.focusBack[0] = focused;
    m_look.focusBack[1] = unfocused;
    ApplyColours();
}

void CXListCtrl::SetFocusTextColour(uint32_t text) {
    m_look.focusText = text;
    ApplyColours();
}

void CXListCtrl::SetTextAndGridColours(uint32_t text, uint32_t grid) {
    m_look.text = text;
    m_look.grid = grid;
    ApplyColours();
}

// The view repaints the list with them.
void CXListCtrl::ApplyColours() {
    if (m_view != nullptr) m_view->SetListColours(m_id, m_look);
}

void CXListCtrl::SetNoHorzScroll(bool none) {
    m_noHorzScroll = none;
    if (m_view != nullptr) m_view->SetHorzScrollBar(m_id, !none);
}

bool CXListCtrl::GetCheck(int row) const {
    return m_view != nullptr && m_view->GetRowCheck(m_id, row);
}

void CXListCtrl::SetCheck(int row, bool checked) {
    if (m_view != nullptr) m_view->SetRowCheck(m_id, row, checked);
}

void CXListCtrl::OnHeaderCheckClick() {
    const bool checked = !m_header.IsChecked();
    m_header.SetChecked(checked);
    m_view->SetHeaderCheck(m_id, checked);
    const int rows = m_view->RowCount(m_id);
    for (int row = 0; row < rows; ++row) SetCheck(row, checked);
    m_view->Redraw(m_id);
}

bool CXListCtrl::OnKeyDown(const ui::Notification& n) {
    if (n.key == ui::kKeySpace && (m_style & ui::kStyleListCheckBoxes) != 0) {
        ToggleSelectedChecks();
        return true;
    }
    if (!n.ctrl) return false;
    if (n.key == kKeyA && n.shift) {
        SelectAll(false);
        return true;
    }
    if (n.key == kKeyA && (m_style & ui::kStyleListSingleSelect) == 0) {
        SelectAll(true);
        return true;
    }
    if (n.key == kKeyC) {
        Copy(n.shift);
        return true;
    }
    return false;
}

void CXListCtrl::ToggleSelectedChecks() {
    const int rows = m_view->RowCount(m_id);
    bool anyUnchecked = false;
    for (int row = 0; row < rows; ++row) {
        if (m_view->IsRowSelected(m_id, row) && !GetCheck(row)) anyUnchecked = true;
    }
    for (int row = 0; row < rows; ++row) {
        if (m_view->IsRowSelected(m_id, row)) SetCheck(row, anyUnchecked);
    }
}

void CXListCtrl::SelectAll(bool select) {
    const int rows = m_view->RowCount(m_id);
    for (int row = 0; row < rows; ++row) m_view->SelectRow(m_id, row, select);
}

void CXListCtrl::Copy(bool wide) {
    int row = -1;
    int col = -1;
    const bool overCell = m_view->CellUnderPointer(m_id, &row, &col);
    if (!wide) {
        if (overCell) CopyToClipboard(m_view->GetCellText(m_id, row, col), kTipCell);
        return;
    }
    const std::vector<int> columns = VisibleColumns();
    TextRow titles;
    for (int column : columns) titles.push_back(m_header.GetTitle(column));
    if (overCell) {
        CopyToClipboard(RowCopyText(titles, RowCells(row, columns), m_separator), kTipRow);
        return;
    }
    std::vector<TextRow> rows;
    const int count = m_view->RowCount(m_id);
    for (int r = 0; r < count; ++r) rows.push_back(RowCells(r, columns));
    CopyToClipboard(TableCopyText(titles, rows), kTipList);
}

void CXListCtrl::CopyToClipboard(const std::wstring& text, const wchar_t* tip) {
    ui::Backend().SetClipboardText(text);
    m_view->SetToolTip(m_id, tip);
    m_view->CloseToolTip(m_id);
}

std::vector<int> CXListCtrl::VisibleColumns() const {
    std::vector<int> columns;
    const int count = m_view->ColumnCount(m_id);
    for (int col = 0; col < count; ++col) {
        if (m_view->ColumnWidth(m_id, col) == 0) continue;
        if (GetColumnKind(col) != CSortHeaderCtrl::kKindOrdinary) continue;
        columns.push_back(col);
    }
    return columns;
}

TextRow CXListCtrl::RowCells(int row, const std::vector<int>& columns) const {
    TextRow cells;
    for (int col : columns) cells.push_back(m_view->GetCellText(m_id, row, col));
    return cells;
}

void CXListCtrl::OnHeaderClick(int col) {
    if ((m_style & ui::kStyleListHeaderCheckBox) != 0 && col == 0) {
        OnHeaderCheckClick();
    } else if (m_sortingEnabled) {
        SortBy(col);
    }
}

void CXListCtrl::SortBy(int col) {
    const bool ascending = col == m_sortColumn ? !m_sortAscending : m_sortAscending;
    const int rows = m_view->RowCount(m_id);
    std::vector<std::wstring> texts;
    for (int row = 0; row < rows; ++row) {
        m_view->SetRowData(m_id, row, static_cast<uintptr_t>(row));
        texts.push_back(m_view->GetCellText(m_id, row, col).substr(0, kSortTextChars));
    }
    m_view->SortRows(m_id,
                     [&](uintptr_t a, uintptr_t b) { return CompareRows(texts, a, b, ascending); });
    m_sortColumn = col;
    m_sortAscending = ascending;
    m_view->SetSortArrow(m_id, col, ascending);
}

int CXListCtrl::CompareRows(const std::vector<std::wstring>& texts, uintptr_t a, uintptr_t b,
                            bool ascending) const {
    if (m_userCompare != nullptr) return m_userCompare(a, b, m_userValue);
    if (a >= texts.size() || b >= texts.size()) return 0;
    return ascending ? CompareCells(texts[a], texts[b]) : CompareCells(texts[b], texts[a]);
}

}  // namespace mdvr
