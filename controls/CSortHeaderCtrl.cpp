#include "controls/CSortHeaderCtrl.h"

#include <algorithm>
#include <cstddef>

namespace mdvr {

void CSortHeaderCtrl::InsertColumn(int index, Column column) {
    const auto at =
        std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(m_columns.size()));
    m_columns.insert(m_columns.begin() + at, std::move(column));
}

int CSortHeaderCtrl::FindColumnByKind(int kind) const {
    const auto it = std::find_if(m_columns.begin(), m_columns.end(),
                                 [kind](const Column& column) { return column.kind == kind; });
    return it == m_columns.end() ? -1 : static_cast<int>(it - m_columns.begin());
}

int CSortHeaderCtrl::GetColumnKind(int index) const {
    const Column* column = At(index);
    return column != nullptr ? column->kind : kKindOrdinary;
}

std::wstring CSortHeaderCtrl::GetTitle(int index) const {
    const Column* column = At(index);
    return column != nullptr ? column->title : std::wstring();
}

const CSortHeaderCtrl::Column* CSortHeaderCtrl::At(int index) const {
    if (index < 0 || index >= ColumnCount()) return nullptr;
    return &m_columns[static_cast<size_t>(index)];
}

}  // namespace mdvr
