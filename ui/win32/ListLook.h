#pragma once
// A list view's own look: row, selection and header colours drawn through custom draw, each
// row's text colour asked from the program, and the optional absence of a horizontal scroll bar.
// Until colours are set the platform draws the list.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "ui/IView.h"

namespace mdvr::ui::win32 {

class ListLook {
  public:
    // Subclasses the list (its header reports to it, and its size changes arrive there).
    explicit ListLook(HWND list);
    ~ListLook();
    ListLook(const ListLook&) = delete;
    ListLook& operator=(const ListLook&) = delete;

    void SetColours(const ListColours& colours);
    void SetRowTextColours(RowTextColourFn colourOf) { m_rowText = std::move(colourOf); }
    void SetHorzScrollBar(bool allowed);
    // NM_CUSTOMDRAW of the rows, which the list sends to its dialog.
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;

  private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    LRESULT OnListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnHeaderDraw(NMCUSTOMDRAW& draw) const;
    void PaintHeaderItem(const NMCUSTOMDRAW& draw, const ListColours& colours) const;
    void PrepareRow(NMLVCUSTOMDRAW& draw, const ListColours& colours) const;
    void DrawGridLine(const NMCUSTOMDRAW& draw, COLORREF grid) const;
    void HideHorzScrollBar() const;

    HWND m_list;
    std::optional<ListColours> m_colours;
    RowTextColourFn m_rowText;
    bool m_horzAllowed = true;
};

}  // namespace mdvr::ui::win32
