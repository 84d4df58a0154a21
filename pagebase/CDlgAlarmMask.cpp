#include "pagebase/CDlgAlarmMask.h"

#include <algorithm>
#include <string>

#include "controls/Scaling.h"
#include "host/CMgrJTT.h"
#include "host/CUIManager.h"
#include "host/HostFormat.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::ControlDecl;
using ui::ControlKind;

constexpr uint32_t kListStyle =
    ui::kStyleListCheckBoxes | ui::kStyleListGridLines | ui::kStyleListFullRowSelect;
// Posted to itself after list keys, whose check changes land after the key is routed.
constexpr uint32_t kMsgSyncMask = 0x8001;
constexpr int kBitCount = 32;
constexpr int kStrBitColumn = 18502;
constexpr int kColumnMargin = 15;  // room for the vertical scroll bar

constexpr ControlDecl kControls[] = {
    {CDlgAlarmMask::kListId, ControlKind::ListView, {}, kListStyle, {10, 40, 300, 330}},
    {CDlgAlarmMask::kMaskEditId, ControlKind::Edit, {}, ui::kStyleReadOnly, {10, 380, 150, 22}},
    {CDlgAlarmMask::kSelectAllId,
     ControlKind::CheckBox,
     {11010},
     ui::kStyleNone,
     {172, 380, 138, 22}},
    {CDlgAlarmMask::kOkId, ControlKind::Button, {11002}, ui::kStyleSkinned, {120, 414, 80, 26}},
    {CDlgAlarmMask::kCancelId,
     ControlKind::Button,
     {0, L"Cancel"},
     ui::kStyleHidden,
     {220, 414, 80, 26}},
};

constexpr ui::DialogDecl kDecl{CDlgAlarmMask::kTemplateId, {}, 320, 450, kControls, true};

}  // namespace

CDlgAlarmMask::CDlgAlarmMask() : CDlgPopupBase(kDecl), m_list(kListStyle) {
    Attach(kListId, m_list);
    Attach(kOkId, m_okButton);
}

bool CDlgAlarmMask::OnInitDialog() {
    CDlgPopupBase::OnInitDialog();
    if (!m_title.empty()) SetTitleText(m_title);
    SetUpColumns();
    View().SetCheck(kSelectAllId, FillRows() ? 1 : 0);
    ShowMask();
    return true;
}

std::wstring CDlgAlarmMask::BitName(int bit) const {
    const CMgrJTT& names = CMgrJTT::Instance();
    return m_mode == kModeAlarmBits ? names.GetAlarmBitString(bit)
                                    : names.GetVideoAlarmBitString(bit);
}

// The list's width is in device pixels while column widths are given at 96 DPI (the list scales
// them), so the width is taken back to 96 DPI first; otherwise the column outgrows the list on a
// high-DPI screen.
void CDlgAlarmMask::SetUpColumns() {
    const int dpi = std::max(ScreenDpi(), kBaseDpi);
    const int width = View().GetRect(kListId).w * kBaseDpi / dpi - kColumnMargin;
    m_list.InsertColumn(0, CLanguage::Instance().GetText(kStrBitColumn), 0, width);
    m_list.InsertColumn(1, L"", 0, 0);
    m_list.InsertColumn(2, L"", 0, 0);
    m_list.SetCopySeparator(std::wstring(1, GetChineseChar(L':')));
    m_list.EnableSorting(false);  // rows stay in bit order; sorting would rewrite their data
    ApplyHostColours();
}

// The list wears the host's own list colours, as every list of the client does.
void CDlgAlarmMask::ApplyHostColours() {
    const CUIManager& ui = CUIManager::Instance();
    m_list.SetRowBackColours(ui.GetUIColorEx(kUIColorListRowEven),
                             ui.GetUIColorEx(kUIColorListRowOdd));
    const uint32_t header = ui.GetUIColorEx(kUIColorListHeader);
    m_list.SetHeaderBackColours(header, header);
    m_list.SetHeaderTextColour(ui.GetUIColorEx(kUIColorListHeaderText));
    const uint32_t focus = ui.GetUIColorEx(kUIColorListFocus);
    m_list.SetFocusColours(focus, focus);
    m_list.SetFocusTextColour(ui.GetUIColorEx(kUIColorListFocusText));
    m_list.SetTextAndGridColours(ui.GetUIColorEx(kUIColorListText),
                                 ui.GetUIColorEx(kUIColorListGrid));
}

// Returns whether every named bit is set.
bool CDlgAlarmMask::FillRows() {
    bool allNamedSet = true;
    for (int bit = 0; bit < kBitCount; ++bit) {
        const bool set = ((m_mask >> bit) & 1u) != 0;
        const std::wstring name = BitName(bit);
        if (name.empty() && !set) continue;
        if (!name.empty() && !set) allNamedSet = false;
        const std::wstring text = name.empty() ? L"Bit" + std::to_wstring(bit + 1) : name;
        const int row = View().InsertRow(kListId, View().RowCount(kListId), text);
        View().SetRowData(kListId, row, static_cast<uintptr_t>(bit));
        m_list.SetCheck(row, set);
    }
    return allNamedSet;
}

bool CDlgAlarmMask::OnInput(const ui::Notification& n) {
    if (n.id == kListId && n.event == ui::Event::KeyDown && IsCreated()) {
        View().Post(kMsgSyncMask, 0, 0);
    }
    return CDlgPopupBase::OnInput(n);
}

bool CDlgAlarmMask::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Message && n.message == kMsgSyncMask) {
        SyncMaskFromRows();
        return true;
    }
    if (n.event != ui::Event::Click) return CDlgPopupBase::OnNotify(n);
    switch (n.id) {
        case kListId:
            if (n.row >= 0) OnRowClick(n.row);
            return true;
        case kSelectAllId:
            OnSelectAll();
            return true;
        case kOkId:
            EndDialog(kResultOk);
            return true;
        case kCancelId:
            EndDialog(kResultCancel);
            return true;
        default:
            return CDlgPopupBase::OnNotify(n);
    }
}

void CDlgAlarmMask::OnRowClick(int row) {
    const uintptr_t bit = View().GetRowData(kListId, row);
    const bool bitSet = ((m_mask >> bit) & 1u) != 0;
    // Set rather than toggled: a click on the row's own check box has flipped it already.
    m_list.SetCheck(row, !bitSet);
    SyncMaskFromRows();
}

void CDlgAlarmMask::OnSelectAll() {
    const bool state = View().GetCheck(kSelectAllId) != 0;
    const int rows = View().RowCount(kListId);
    for (int row = 0; row < rows; ++row) m_list.SetCheck(row, state);
    SyncMaskFromRows();
}

// Bits without a row keep their value.
void CDlgAlarmMask::SyncMaskFromRows() {
    const int rows = View().RowCount(kListId);
    for (int row = 0; row < rows; ++row) {
        SetBit(View().GetRowData(kListId, row), m_list.GetCheck(row));
    }
    ShowMask();
}

void CDlgAlarmMask::SetBit(uintptr_t bit, bool set) {
    const uint32_t flag = 1u << bit;
    m_mask = set ? (m_mask | flag) : (m_mask & ~flag);
}

void CDlgAlarmMask::ShowMask() {
    View().SetText(kMaskEditId, std::to_wstring(static_cast<int32_t>(m_mask)));
}

}  // namespace mdvr
