#pragma once
// The list header's own bookkeeping: a descriptor per column (title, format, width, kind) and
// the state of the check box over column 0.
#include <string>
#include <string_view>
#include <vector>

namespace mdvr {

class CSortHeaderCtrl {
  public:
    static constexpr int kKindOrdinary = 0;
    static constexpr int kKindRelation = -2;
    static constexpr int kKindStatus = -3;

    struct Column {
        std::wstring title;
        int format = 0;
        int width = 0;
        int kind = kKindOrdinary;
    };

    void InsertColumn(int index, Column column);
    int FindColumnByKind(int kind) const;    // -1 when none
    int GetColumnKind(int index) const;      // 0 out of range
    std::wstring GetTitle(int index) const;  // empty out of range
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }

    bool IsChecked() const { return m_checked; }
    void SetChecked(bool checked) { m_checked = checked; }

  private:
    const Column* At(int index) const;

    std::vector<Column> m_columns;
    bool m_checked = false;
};

}  // namespace mdvr
