#pragma once
// The list operations of a view on one report-mode list-view window (not owned). Widths are in
// device pixels like every other run-time geometry of the views.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace mdvr::ui::win32 {

class ListView {
  public:
    explicit ListView(HWND hwnd) : m_hwnd(hwnd) {}

    // Extended styles and the header check box, right after creation.
    void Configure(DWORD exStyle, bool headerCheckBox) const;

    int InsertColumn(int index, std::wstring_view title, int width) const;
    int ColumnCount() const;
    int ColumnWidth(int col) const;
    int InsertRow(int index, std::wstring_view text) const;
    void DeleteAllRows() const;
    int RowCount() const;
    std::wstring CellText(int row, int col) const;
    void SetCellText(int row, int col, std::wstring_view text) const;
    uintptr_t RowData(int row) const;
    void SetRowData(int row, uintptr_t data) const;
    bool RowCheck(int row) const;
    void SetRowCheck(int row, bool checked) const;
    bool IsRowSelected(int row) const;
    void SelectRow(int row, bool selected) const;
    void SetHeaderCheck(bool checked) const;
    // The header's sort arrow over col alone (-1: none).
    void SetSortArrow(int col, bool ascending) const;
    void SortRows(const std::function<int(uintptr_t, uintptr_t)>& compare) const;
    bool CellUnderPointer(int* row, int* col) const;

  private:
    bool IsRow(int row) const { return m_hwnd != nullptr && row >= 0 && row < RowCount(); }
    LRESULT Send(UINT msg, WPARAM wParam, LPARAM lParam) const;

    HWND m_hwnd;
};

}  // namespace mdvr::ui::win32
