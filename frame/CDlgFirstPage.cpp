#include "frame/CDlgFirstPage.h"

#include <vector>

#include "controls/EditNumber.h"
#include "pages/CDlgAlarmMask.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using ui::ControlDecl;
using ui::ControlKind;
using ui::Rect;

constexpr uint32_t kFirstParam = 0x0050;
constexpr int kCollisionRow = 13;
constexpr int kRolloverRow = 14;
constexpr int kTwoByteRowFrom = 11;
constexpr int kStrSeconds = 12015;
constexpr int kStrFirstMaskCaption = 12003;

struct EditSpec {
    int id;
    int limit;
    int32_t low;  // a 32-bit range when low < high, else only the 64-bit one
    int32_t high;
};

// Edit index 13 and 14 both belong to row 13 (collision time and acceleration).
constexpr EditSpec kEdits[CDlgFirstPage::kEditCount] = {
    {4360, 10, 0, 0},    {4361, 10, 0, 0},   {4362, 10, 0, 0}, {4363, 10, 0, 0},
    {4364, 10, 0, 0},    {4365, 10, 0, 300}, {4366, 10, 0, 0}, {4367, 10, 0, 0},
    {4368, 10, 0, 0},    {4369, 10, 0, 0},   {4370, 10, 0, 0}, {4372, 5, 0, 65535},
    {4374, 5, 0, 65535}, {4376, 3, 0, 255},  {4378, 2, 0, 79}, {4380, 4, 0, 0},
};
constexpr int kCollisionTimeEdit = 4376;
constexpr int kCollisionAccelEdit = 4378;
constexpr int kRolloverEdit = 4380;

struct RowSpec {
    int captionId;
    int editIndex;
    Caption unit;  // the label right of the edit, if any
    int unitId;
};

constexpr RowSpec kRows[CDlgFirstPage::kGroups] = {
    {12003, 0, {}, 0},
    {12004, 1, {}, 0},
    {12005, 2, {}, 0},
    {12006, 3, {}, 0},
    {12007, 4, {}, 0},
    {16500, 5, {0, L"(0-300)(km/h)"}, 4403},
    {16501, 6, {kStrSeconds}, 4404},
    {12017, 7, {kStrSeconds}, 4405},
    {12018, 8, {kStrSeconds}, 4406},
    {12019, 9, {kStrSeconds}, 4407},
    {12020, 10, {kStrSeconds}, 4408},
    {16200, 11, {0, L"(1/10km/h)"}, 4409},
    {16201, 12, {kStrSeconds}, 4410},
    {16302, 13, {0, L"(ms)"}, 4411},
    {16304, 15, {}, 0},
};

// The "..." buttons of rows 0 to 4.
constexpr int kMaskButtons[] = {4280, 4201, 4202, 4203, 4204};

constexpr int kLeft = 16;
constexpr int kTop = 14;
constexpr int kPitch = 32;
constexpr int kHeight = 22;
constexpr int kEditX = 276;
constexpr int kUnitX = 416;

// Screen line of a row: row 13 takes two lines (time, then acceleration).
int LineOf(int row) {
    return row > kCollisionRow ? row + 1 : row;
}
Rect At(int line, int x, int w) {
    return {x, kTop + line * kPitch, w, kHeight};
}

ControlDecl EditDecl(const EditSpec& edit, int line) {
    return {edit.id,   ControlKind::Edit, {}, ui::kStyleDigitsOnly, At(line, kEditX, 130),
            edit.limit};
}

ControlDecl StaticDecl(int id, Caption caption, Rect place) {
    return {id, ControlKind::Static, caption, ui::kStyleNone, place};
}

void AddRow(std::vector<ControlDecl>& out, int row) {
    const RowSpec& rowSpec = kRows[row];
    const int line = LineOf(row);
    out.push_back(CDlgCfgBase::GroupDecl(row, {rowSpec.captionId}, At(line, kLeft, 250)));
    out.push_back(EditDecl(kEdits[rowSpec.editIndex], line));
    const int unitWidth = row == kCollisionRow ? 40 : 160;  // "(ms)" shares its line
    if (rowSpec.unitId != 0) {
        out.push_back(StaticDecl(rowSpec.unitId, rowSpec.unit, At(line, kUnitX, unitWidth)));
    }
    if (row < 5) {
        out.push_back({kMaskButtons[row],
                       ControlKind::Button,
                       {0, L"..."},
                       ui::kStyleNone,
                       At(line, kUnitX, 30)});
    }
}

std::vector<ControlDecl> BuildControls() {
    std::vector<ControlDecl> out;
    for (int row = 0; row < CDlgFirstPage::kGroups; ++row) AddRow(out, row);
    // Row 13's second line: the acceleration edit under the collision time.
    const int line = LineOf(kCollisionRow) + 1;
    out.push_back(StaticDecl(4413, {16305}, At(LineOf(kCollisionRow), kUnitX + 44, 120)));
    out.push_back(StaticDecl(4414, {16303}, At(line, kLeft + 20, 230)));
    out.push_back(EditDecl(kEdits[14], line));
    out.push_back(StaticDecl(4412, {0, L"(0-79)(0.1g)"}, At(line, kUnitX, 160)));
    out.push_back({CDlgFirstPage::kSelectAllId,
                   ControlKind::CheckBox,
                   {0, L"全选"},
                   ui::kStyleHidden,
                   {600, kTop, 80, kHeight}});
    return out;
}

const ui::DialogDecl& PageDecl() {
    static const std::vector<ControlDecl> controls = BuildControls();
    static const ui::DialogDecl decl{CDlgFirstPage::kTemplateId, {11011}, 700, 560, controls};
    return decl;
}

int RowOfParam(uint32_t id) {
    if (id < kFirstParam || id >= kFirstParam + CDlgFirstPage::kGroups) return -1;
    return static_cast<int>(id - kFirstParam);
}

int EditIndexOf(int editId) {
    for (int i = 0; i < CDlgFirstPage::kEditCount; ++i) {
        if (kEdits[i].id == editId) return i;
    }
    return -1;
}

}  // namespace

CDlgFirstPage::CDlgFirstPage() : CDlgCfgBase(PageDecl(), kGroups) {
    for (int i = 0; i < kEditCount; ++i) Attach(kEdits[i].id, m_edits[static_cast<size_t>(i)]);
}

bool CDlgFirstPage::OnInitDialog() {
    CDlgCfgBase::OnInitDialog();
    SetBounds();
    View().SetCheck(kSelectAllId, 1);
    return true;
}

void CDlgFirstPage::SetBounds() {
    for (int i = 0; i < kEditCount; ++i) {
        CEditBounds& edit = m_edits[static_cast<size_t>(i)];
        edit.SetBounds64(0, 4294967295LL);
        if (kEdits[i].low < kEdits[i].high) edit.SetBounds(kEdits[i].low, kEdits[i].high);
    }
}

void CDlgFirstPage::SetEditText(int editId, std::wstring_view text) {
    if (IsCreated()) View().SetText(editId, text);
}

void CDlgFirstPage::ParseParamItem(uint32_t id, uint8_t length, const uint8_t* list, int offset) {
    const int row = RowOfParam(id);
    if (row < 0) return;
    const std::wstring text = ValueToText(length, list, offset, 0);
    if (row != kCollisionRow) {
        SetEditText(kEdits[kRows[row].editIndex].id, text);
        return;
    }
    const int64_t value = ReadEditInt64(text);
    SetEditText(kCollisionTimeEdit, std::to_wstring(value & 0xFF));
    SetEditText(kCollisionAccelEdit, std::to_wstring((value >> 8) & 0xFF));
}

void CDlgFirstPage::GetGroupMembers(int checkBoxId, std::vector<int>& ids) {
    const int row = checkBoxId - kFirstGroupId;
    if (row < 0 || row >= kGroups) return;
    ids.push_back(kEdits[kRows[row].editIndex].id);
    if (row == kCollisionRow) ids.push_back(kCollisionAccelEdit);
}

bool CDlgFirstPage::ValidateInput() {
    if (!CDlgCfgBase::ValidateInput()) return false;
    for (int i = 0; i < kEditCount; ++i) {
        m_snapshot[static_cast<size_t>(i)] = View().GetText(kEdits[i].id);
    }
    return true;
}

const std::wstring& CDlgFirstPage::SnapshotOf(int editId) const {
    static const std::wstring kNone;
    const int index = EditIndexOf(editId);
    return index < 0 ? kNone : m_snapshot[static_cast<size_t>(index)];
}

bool CDlgFirstPage::SnapshotEmpty(int editId) const {
    return SnapshotOf(editId).empty();
}

int64_t CDlgFirstPage::SnapshotNumber(int editId) const {
    return ReadEditInt64(SnapshotOf(editId));
}

bool CDlgFirstPage::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    ParamListWriter writer(list);
    for (int row = 0; row < kCollisionRow; ++row) {
        const int editId = kEdits[kRows[row].editIndex].id;
        if (!IsGroupChecked(row) || SnapshotEmpty(editId)) continue;
        const uint32_t id = kFirstParam + static_cast<uint32_t>(row);
        const int64_t value = SnapshotNumber(editId);
        if (row < kTwoByteRowFrom)
            writer.AppendU32(id, static_cast<uint32_t>(value));
        else
            writer.AppendU16(id, static_cast<uint16_t>(value));
    }
    if (IsGroupChecked(kCollisionRow)) {
        const int64_t time = SnapshotNumber(kCollisionTimeEdit) & 0xFF;
        const int64_t accel = (SnapshotNumber(kCollisionAccelEdit) << 8) & 0xFFFF;
        writer.AppendU16(kFirstParam + kCollisionRow, static_cast<uint16_t>(time | accel));
    }
    if (IsGroupChecked(kRolloverRow)) {
        writer.AppendU16(kFirstParam + kRolloverRow,
                         static_cast<uint16_t>(SnapshotNumber(kRolloverEdit) & 0xFFFF));
    }
    *length = writer.Finish();
    return !writer.Failed();
}

void CDlgFirstPage::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    for (uint32_t i = 0; i < kGroups; ++i) writer.Append(kFirstParam + i);
    *length = writer.Finish();
}

bool CDlgFirstPage::OnNotify(const ui::Notification& n) {
    if (n.event != ui::Event::Click) return CDlgCfgBase::OnNotify(n);
    for (int row = 0; row < 5; ++row) {
        if (n.id != kMaskButtons[row]) continue;
        OpenAlarmMask(row);
        return true;
    }
    if (n.id == kSelectAllId) {
        ApplySelectAll();
        return true;
    }
    return CDlgCfgBase::OnNotify(n);
}

void CDlgFirstPage::OpenAlarmMask(int row) {
    const int editId = kEdits[row].id;
    if (!View().Has(editId)) return;
    CDlgAlarmMask popup;
    popup.SetMask(static_cast<uint32_t>(ReadEditInt64(View().GetText(editId))));
    // These are the JT/T 808 alarm words, so the popup names the standard's alarm bits.
    popup.SetMode(CDlgAlarmMask::kModeAlarmBits);
    popup.SetTitle(CLanguage::Instance().GetText(kStrFirstMaskCaption + row));
    if (popup.DoModal(this) != CDlgAlarmMask::kResultOk) return;
    View().SetText(editId, std::to_wstring(static_cast<int32_t>(popup.Mask())));
}

void CDlgFirstPage::ApplySelectAll() {
    // The page's own select-all leaves the base's all-groups state alone.
    const bool state = View().GetCheck(kSelectAllId) != 0;
    for (int i = 0; i < kGroups; ++i) SetGroupCheck(i, state);
}

}  // namespace mdvr
