#include "ui/headless/ListModel.h"

#include <algorithm>

namespace mdvr::ui {

namespace {

template <typename T>
bool InRange(const std::vector<T>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size());
}

}  // namespace

int ListModel::InsertColumn(int index, std::wstring_view title, int width) {
    if (index < 0) return -1;
    index = std::min(index, ColumnCount());
    m_columns.insert(m_columns.begin() + index, ListColumn{std::wstring(title), width});
    for (ListRow& row : m_rows) {
        if (static_cast<int>(row.cells.size()) >= index)
            row.cells.insert(row.cells.begin() + index, std::wstring());
    }
    return index;
}

const ListColumn* ListModel::Column(int col) const {
    return InRange(m_columns, col) ? &m_columns[static_cast<size_t>(col)] : nullptr;
}

int ListModel::InsertRow(int index, std::wstring_view text) {
    if (index < 0 || index > RowCount()) index = RowCount();
    ListRow row;
    row.cells.resize(std::max<size_t>(m_columns.size(), 1));
    row.cells[0].assign(text);
    m_rows.insert(m_rows.begin() + index, std::move(row));
    if (m_focusedRow >= index) ++m_focusedRow;
    return index;
}

void ListModel::DeleteAllRows() {
    m_rows.clear();
    m_focusedRow = -1;
    m_pointerRow = m_pointerCol = -1;
}

const ListRow* ListModel::Row(int row) const {
    return InRange(m_rows, row) ? &m_rows[static_cast<size_t>(row)] : nullptr;
}

ListRow* ListModel::Row(int row) {
    return InRange(m_rows, row) ? &m_rows[static_cast<size_t>(row)] : nullptr;
}

std::wstring ListModel::Cell(int row, int col) const {
    const ListRow* r = Row(row);
    return r != nullptr && InRange(r->cells, col) ? r->cells[static_cast<size_t>(col)]
                                                  : std::wstring();
}

void ListModel::SetCell(int row, int col, std::wstring_view text) {
    ListRow* r = Row(row);
    if (r == nullptr || col < 0 || col >= std::max(ColumnCount(), 1)) return;
    if (static_cast<int>(r->cells.size()) <= col) r->cells.resize(static_cast<size_t>(col) + 1);
    r->cells[static_cast<size_t>(col)].assign(text);
}

void ListModel::Select(int row, bool selected, bool single) {
    if (Row(row) == nullptr) return;
    if (selected && single) {
        for (ListRow& r : m_rows) r.selected = false;
    }
    Row(row)->selected = selected;
}

void ListModel::SortRows(const std::function<int(uintptr_t, uintptr_t)>& compare) {
    std::stable_sort(m_rows.begin(), m_rows.end(), [&compare](const ListRow& a, const ListRow& b) {
        return compare(a.data, b.data) < 0;
    });
}

void ListModel::SetPointer(int row, int col) {
    const bool onCell = Row(row) != nullptr && col >= 0 && col < std::max(ColumnCount(), 1);
    m_pointerRow = onCell ? row : -1;
    m_pointerCol = onCell ? col : -1;
}

bool ListModel::CellUnderPointer(int* row, int* col) const {
    if (Row(m_pointerRow) == nullptr) return false;
    if (row != nullptr) *row = m_pointerRow;
    if (col != nullptr) *col = m_pointerCol;
    return true;
}

}  // namespace mdvr::ui
