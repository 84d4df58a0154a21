#pragma once
// The report list's own rules on any backend: check/select/copy keys, the header check box,
// type-aware sorting, the hidden relation and status columns, the row text colour table and the
// list's colours (the theme's until a page sets its own).
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "controls/CSortHeaderCtrl.h"
#include "controls/ListCopyText.h"
#include "text/CPathManager.h"
#include "ui/IControlBehavior.h"

namespace mdvr {

class CXListCtrl : public ui::IControlBehavior {
  public:
    // Page-supplied compare of two rows' item data; its result is used as it is.
    using UserCompare = int (*)(uintptr_t a, uintptr_t b, uintptr_t userValue);

    // listStyle: the list's declared style (check boxes, single selection, header check box).
    explicit CXListCtrl(uint32_t listStyle, const CPathManager& theme = CPathManager::Instance());
    virtual ~CXListCtrl() = default;

    void OnAttached(ui::IView& view, int id) override;
    bool OnInput(ui::IView& view, const ui::Notification& n) override;

    // Width scaled for the screen; returns the column index, or -1 (nothing recorded).
    int InsertColumn(int index, std::wstring_view title, int format, int width, int kind = 0);
    void AddStatusColumns();
    int FindColumnByKind(int kind) const { return m_header.FindColumnByKind(kind); }
    int GetColumnKind(int index) const { return m_header.GetColumnKind(index); }

    void SetCopySeparator(std::wstring_view separator) { m_separator = separator; }
    void EnableSorting(bool enable) { m_sortingEnabled = enable; }
    void SetUserCompare(UserCompare compare, uintptr_t userValue);
    int SortColumn() const { return m_sortColumn; }
    bool SortAscending() const { return m_sortAscending; }
    int RowHeight() const { return m_rowHeight; }

    // Row text colours: "#row_col" keys for single rows, else status names.
    static std::wstring ColourKey(int row, int col);
    void SetTextColour(const std::wstring& key, uint32_t colour);
    std::optional<uint32_t> RowTextColour(int row) const;

    // Each stores its colours and repaints.
    void SetRowBackColours(uint32_t even, uint32_t odd);
    void SetHeaderBackColours(uint32_t top, uint32_t bottom);
    void SetHeaderTextColour(uint32_t text);
    void SetFocusColours(uint32_t focused, uint32_t unfocused);
    // Selected rows without a text colour of their own.
    void SetFocusTextColour(uint32_t text);
    void SetTextAndGridColours(uint32_t text, uint32_t grid);
    const ui::ListColours& Colours() const { return m_look; }
    // Off after construction: the list keeps no horizontal scroll bar.
    void SetNoHorzScroll(bool none);

    virtual bool GetCheck(int row) const;
    virtual void SetCheck(int row, bool checked);
    virtual void OnHeaderCheckClick();

  private:
    bool OnKeyDown(const ui::Notification& n);
    void OnHeaderClick(int col);
    void ToggleSelectedChecks();
    void SelectAll(bool select);
    void Copy(bool wide);
    void CopyToClipboard(const std::wstring& text, const wchar_t* tip);
    std::vector<int> VisibleColumns() const;
    TextRow RowCells(int row, const std::vector<int>& columns) const;
    void SortBy(int col);
    void ApplyColours();
    int CompareRows(const std::vector<std::wstring>& texts, uintptr_t a, uintptr_t b,
                    bool ascending) const;

    uint32_t m_style;
    ui::IView* m_view = nullptr;
    int m_id = 0;
    CSortHeaderCtrl m_header;
    int m_sortColumn = -1;
    bool m_sortAscending = false;
    bool m_sortingEnabled = true;
    std::wstring m_separator = L":";
    int m_rowHeight;
    UserCompare m_userCompare = nullptr;
    uintptr_t m_userValue = 0;
    std::map<std::wstring, uint32_t> m_colours;
    ui::ListColours m_look;
    bool m_noHorzScroll = false;
};

}  // namespace mdvr
