#pragma once
// The columns and rows of an in-memory report list: texts, item data, checks and selection.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mdvr::ui {

struct ListColumn {
    std::wstring title;
    int width = 0;
};

struct ListRow {
    std::vector<std::wstring> cells;
    uintptr_t data = 0;
    bool checked = false;
    bool selected = false;
};

class ListModel {
  public:
    int InsertColumn(int index, std::wstring_view title, int width);
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    const ListColumn* Column(int col) const;

    int InsertRow(int index, std::wstring_view text);
    void DeleteAllRows();
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const ListRow* Row(int row) const;
    ListRow* Row(int row);

    std::wstring Cell(int row, int col) const;
    void SetCell(int row, int col, std::wstring_view text);
    // A single-selection list keeps at most one row selected.
    void Select(int row, bool selected, bool single);
    void SortRows(const std::function<int(uintptr_t, uintptr_t)>& compare);

    int FocusedRow() const { return m_focusedRow; }
    void SetFocusedRow(int row) { m_focusedRow = row; }
    bool HeaderCheck() const { return m_headerCheck; }
    void SetHeaderCheck(bool checked) { m_headerCheck = checked; }

    // The cell the mouse pointer rests on; row -1 = over no cell.
    void SetPointer(int row, int col);
    bool CellUnderPointer(int* row, int* col) const;

  private:
    std::vector<ListColumn> m_columns;
    std::vector<ListRow> m_rows;
    int m_focusedRow = -1;
    bool m_headerCheck = false;
    int m_pointerRow = -1;
    int m_pointerCol = -1;
};

}  // namespace mdvr::ui
