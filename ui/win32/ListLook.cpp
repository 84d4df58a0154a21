#include "ui/win32/ListLook.h"

#include <string>

#include "ui/win32/SubclassChain.h"
#include "ui/win32/Win32Helpers.h"

namespace mdvr::ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x4C4C;  // apart from the input translator's kind IDs
constexpr int kHeaderTextInset = 6;
constexpr int kArrowHalfWidth = 4;
constexpr int kHeaderTitleMax = 256;

void FillVertical(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    auto vertex = [](LONG x, LONG y, COLORREF c) {
        return TRIVERTEX{x,
                         y,
                         static_cast<COLOR16>(GetRValue(c) << 8),
                         static_cast<COLOR16>(GetGValue(c) << 8),
                         static_cast<COLOR16>(GetBValue(c) << 8),
                         0};
    };
    TRIVERTEX vertices[2] = {vertex(rect.left, rect.top, top),
                             vertex(rect.right, rect.bottom, bottom)};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, vertices, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void DrawLine(HDC dc, POINT from, POINT to, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A small filled triangle at the right of the header item.
void DrawSortArrow(HDC dc, const RECT& rect, bool up, COLORREF colour) {
    const LONG cx = rect.right - kHeaderTextInset - kArrowHalfWidth;
    const LONG cy = (rect.top + rect.bottom) / 2;
    const LONG tip = up ? cy - kArrowHalfWidth / 2 : cy + kArrowHalfWidth / 2;
    const LONG base = up ? cy + kArrowHalfWidth / 2 : cy - kArrowHalfWidth / 2;
    const POINT points[3] = {{cx - kArrowHalfWidth, base}, {cx + kArrowHalfWidth, base}, {cx, tip}};
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

}  // namespace

ListLook::ListLook(HWND list) : m_list(list) {
    SubclassChain::Attach(list, ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

ListLook::~ListLook() {
    if (m_list != nullptr) SubclassChain::Detach(m_list, ListProc, kSubclassId);
}

void ListLook::SetColours(const ListColours& colours) {
    m_colours = colours;
    InvalidateShown(m_list);
    InvalidateShown(ListView_GetHeader(m_list));
}

void ListLook::SetHorzScrollBar(bool allowed) {
    m_horzAllowed = allowed;
    if (!allowed) HideHorzScrollBar();
}

LRESULT CALLBACK ListLook::ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR self) {
    auto* look = reinterpret_cast<ListLook*>(self);
    if (msg == WM_NCDESTROY) {
        look->m_list = nullptr;
        return SubclassChain::CallNext(hwnd, msg, wParam, lParam);
    }
    return look->OnListMessage(msg, wParam, lParam);
}

LRESULT ListLook::OnListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.code == NM_CUSTOMDRAW && header.hwndFrom == ListView_GetHeader(m_list) &&
            m_colours) {
            return OnHeaderDraw(reinterpret_cast<NMCUSTOMDRAW&>(header));
        }
    }
    const LRESULT result = SubclassChain::CallNext(m_list, msg, wParam, lParam);
    // The list shows its scroll bar again whenever it lays itself out.
    if ((msg == WM_SIZE || msg == WM_WINDOWPOSCHANGED) && !m_horzAllowed) HideHorzScrollBar();
    return result;
}

void ListLook::HideHorzScrollBar() const {
    ShowScrollBar(m_list, SB_HORZ, FALSE);
    const LONG_PTR style = GetWindowLongPtrW(m_list, GWL_STYLE);
    if (style & WS_HSCROLL) SetWindowLongPtrW(m_list, GWL_STYLE, style & ~LONG_PTR{WS_HSCROLL});
}

// Items with the header's check box keep the platform's look; the others are painted here.
LRESULT ListLook::OnHeaderDraw(NMCUSTOMDRAW& draw) const {
    if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
    if (item.fmt & HDF_CHECKBOX) return CDRF_DODEFAULT;
    PaintHeaderItem(draw, *m_colours);
    return CDRF_SKIPDEFAULT;
}

void ListLook::PaintHeaderItem(const NMCUSTOMDRAW& draw, const ListColours& colours) const {
    std::wstring title(kHeaderTitleMax, L'\0');
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_TEXT;
    item.pszText = title.data();
    item.cchTextMax = kHeaderTitleMax;
    SendMessageW(draw.hdr.hwndFrom, HDM_GETITEMW, draw.dwItemSpec, reinterpret_cast<LPARAM>(&item));
    title.resize(wcslen(title.c_str()));
    RECT rect = draw.rc;
    FillVertical(draw.hdc, rect, colours.headerBack[0], colours.headerBack[1]);
    DrawLine(draw.hdc, {rect.right - 1, rect.top}, {rect.right - 1, rect.bottom}, colours.grid);
    DrawLine(draw.hdc, {rect.left, rect.bottom - 1}, {rect.right, rect.bottom - 1}, colours.grid);
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, colours.headerText);
    rect.left += kHeaderTextInset;
    rect.right -= kHeaderTextInset;
    if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) {
        DrawSortArrow(draw.hdc, draw.rc, (item.fmt & HDF_SORTUP) != 0, colours.headerText);
        rect.right -= 3 * kArrowHalfWidth;
    }
    DrawTextW(draw.hdc, title.c_str(), static_cast<int>(title.size()), &rect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

LRESULT ListLook::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
    if (!m_colours) return CDRF_DODEFAULT;
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            PrepareRow(draw, *m_colours);
            return CDRF_NOTIFYPOSTPAINT;
        case CDDS_ITEMPOSTPAINT:
            DrawGridLine(draw.nmcd, m_colours->grid);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

// Selected rows take the focus colours instead of the platform's highlight; a row's own text
// colour (its status) still wins, so a warning stays visible when selected.
void ListLook::PrepareRow(NMLVCUSTOMDRAW& draw, const ListColours& colours) const {
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    const bool selected = ListView_GetItemState(m_list, row, LVIS_SELECTED) & LVIS_SELECTED;
    const bool focused = GetFocus() == m_list;
    draw.clrTextBk = selected ? colours.focusBack[focused ? 0 : 1] : colours.rowBack[row % 2];
    std::optional<uint32_t> own = m_rowText ? m_rowText(row) : std::nullopt;
    draw.clrText = own.value_or(selected ? colours.focusText : colours.text);
    draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
}

void ListLook::DrawGridLine(const NMCUSTOMDRAW& draw, COLORREF grid) const {
    if ((ListView_GetExtendedListViewStyle(m_list) & LVS_EX_GRIDLINES) == 0) return;
    RECT rect{};
    ListView_GetItemRect(m_list, static_cast<int>(draw.dwItemSpec), &rect, LVIR_BOUNDS);
    DrawLine(draw.hdc, {rect.left, rect.bottom - 1}, {rect.right, rect.bottom - 1}, grid);
}

}  // namespace mdvr::ui::win32
