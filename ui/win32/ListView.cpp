#include "ui/win32/ListView.h"

#include <commctrl.h>

#include <vector>

namespace mdvr::ui::win32 {

namespace {

constexpr int kCellTextMax = 1024;

// Sorting hands each row its position as item data for the duration of the sort, so equal rows
// keep their order and the page's data is put back afterwards.
struct SortContext {
    const std::vector<uintptr_t>* data;
    const std::function<int(uintptr_t, uintptr_t)>* compare;
};

int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM context) {
    const auto& sort = *reinterpret_cast<const SortContext*>(context);
    const auto ia = static_cast<size_t>(a);
    const auto ib = static_cast<size_t>(b);
    const int result = (*sort.compare)((*sort.data)[ia], (*sort.data)[ib]);
    if (result != 0) return result < 0 ? -1 : 1;
    return ia < ib ? -1 : (ia > ib ? 1 : 0);
}

}  // namespace

LRESULT ListView::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return m_hwnd != nullptr ? SendMessageW(m_hwnd, msg, wParam, lParam) : 0;
}

void ListView::Configure(DWORD exStyle, bool headerCheckBox) const {
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, exStyle, static_cast<LPARAM>(exStyle));
    if (!headerCheckBox) return;
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    if (header != nullptr) {
        SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_CHECKBOXES);
    }
}

int ListView::InsertColumn(int index, std::wstring_view title, int width) const {
    if (m_hwnd == nullptr) return -1;
    std::wstring text(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text.data();
    return static_cast<int>(
        Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListView::ColumnCount() const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    return header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::ColumnWidth(int col) const {
    if (col < 0 || col >= ColumnCount()) return 0;
    return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(col), 0));
}

int ListView::InsertRow(int index, std::wstring_view text) const {
    if (m_hwnd == nullptr) return -1;
    std::wstring cell(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index < 0 ? RowCount() : index;
    item.pszText = cell.data();
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::DeleteAllRows() const {
    Send(LVM_DELETEALLITEMS, 0, 0);
}

int ListView::RowCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListView::CellText(int row, int col) const {
    if (!IsRow(row)) return {};
    std::wstring text(kCellTextMax, L'\0');
    LVITEMW item{};
    item.iSubItem = col;
    item.pszText = text.data();
    item.cchTextMax = kCellTextMax;
    const auto length =
        Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(length));
    return text;
}

void ListView::SetCellText(int row, int col, std::wstring_view text) const {
    if (!IsRow(row)) return;
    std::wstring cell(text);
    LVITEMW item{};
    item.iSubItem = col;
    item.pszText = cell.data();
    Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

uintptr_t ListView::RowData(int row) const {
    if (!IsRow(row)) return 0;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<uintptr_t>(item.lParam);
}

void ListView::SetRowData(int row, uintptr_t data) const {
    if (!IsRow(row)) return;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(data);
    Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool ListView::RowCheck(int row) const {
    if (!IsRow(row)) return false;
    const auto state = Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
    return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void ListView::SetRowCheck(int row, bool checked) const {
    if (!IsRow(row)) return;
    ListView_SetCheckState(m_hwnd, row, checked ? TRUE : FALSE);
}

bool ListView::IsRowSelected(int row) const {
    if (!IsRow(row)) return false;
    return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListView::SelectRow(int row, bool selected) const {
    if (!IsRow(row)) return;
    ListView_SetItemState(m_hwnd, row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListView::SetHeaderCheck(bool checked) const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    if (header == nullptr || ColumnCount() == 0) return;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.fmt = (item.fmt & ~HDF_CHECKED) | HDF_CHECKBOX | (checked ? HDF_CHECKED : 0);
    SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void ListView::SetSortArrow(int col, bool ascending) const {
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER, 0, 0));
    const int count = ColumnCount();
    for (int i = 0; header != nullptr && i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == col) item.fmt |= ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void ListView::SortRows(const std::function<int(uintptr_t, uintptr_t)>& compare) const {
    const int count = RowCount();
    std::vector<uintptr_t> data;
    data.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row) {
        data.push_back(RowData(row));
        SetRowData(row, static_cast<uintptr_t>(row));
    }
    SortContext context{&data, &compare};
    Send(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRows));
    for (int row = 0; row < count; ++row) SetRowData(row, data[RowData(row)]);
}

bool ListView::CellUnderPointer(int* row, int* col) const {
    if (m_hwnd == nullptr) return false;
    LVHITTESTINFO hit{};
    GetCursorPos(&hit.pt);
    ScreenToClient(m_hwnd, &hit.pt);
    if (Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0 || hit.iItem < 0) {
        return false;
    }
    if (row != nullptr) *row = hit.iItem;
    if (col != nullptr) *col = hit.iSubItem;
    return true;
}

}  // namespace mdvr::ui::win32
