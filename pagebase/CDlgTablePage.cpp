#include "pagebase/CDlgTablePage.h"

#include "controls/EditNumber.h"
#include "host/CLogFile2.h"
#include "host/HostFormat.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/BcdTime.h"
#include "pagebase/CDlgAlarmMask.h"
#include "pagebase/ComboData.h"
#include "pagebase/EditRange.h"
#include "pagebase/PageLayout.h"
#include "pagebase/RowCodec.h"
#include "protocol/DeviceProfile.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

// A row's own caption for one use (popup title, field name), or the row's caption.
const ui::Caption& OwnOr(const ui::Caption& own, const ui::Caption& caption) {
    return own.stringId != 0 || own.literal != nullptr ? own : caption;
}

bool InRange(const ParamRow& row, int64_t value) {
    return !row.hasRange || (value >= row.low && value <= row.high);
}

// Dates and times travel through the snapshot as yyyymmdd and hhmmss numbers.
int64_t PackTime(const ParamRow& row, const ui::DateTime& t) {
    if (row.wire == Wire::kBcdDate) return t.year * 10000LL + t.month * 100 + t.day;
    return t.hour * 10000LL + t.minute * 100 + t.second;
}

ui::DateTime UnpackTime(const ParamRow& row, int64_t value) {
    const int high = static_cast<int>(value / 10000);
    const int middle = static_cast<int>(value / 100 % 100);
    const int low = static_cast<int>(value % 100);
    ui::DateTime t;
    if (row.wire == Wire::kBcdDate) {
        t.year = high;
        t.month = middle;
        t.day = low;
    } else {
        t.hour = high;
        t.minute = middle;
        t.second = low;
    }
    return t;
}

}  // namespace

CDlgTablePage::CDlgTablePage(const PageModel& model)
    : CDlgCfgBase(PageDecl(model), model.groupCount), m_model(model), m_snapshot(model.rows.size()) {
    AttachEdits();
}

void CDlgTablePage::AttachEdits() {
    for (const ParamRow& row : m_model.rows) {
        if (row.kind != RowKind::kEdit || !row.IsParam()) continue;
        if (row.ascii) {
            CEditCheck& edit = m_asciiEdits.emplace_back();
            edit.m_pNotifyWnd = this;
            edit.m_nNotifyMsg = kEditRejected;
            Attach(row.control, edit);
        } else if (row.IsNumber()) {
            CEditBounds& edit = m_bounds.emplace_back();
            const bool narrow = row.low >= INT32_MIN && row.high <= INT32_MAX;
            if (row.hasRange && narrow) {
                edit.SetBounds(static_cast<int32_t>(row.low), static_cast<int32_t>(row.high));
            } else if (row.hasRange) {
                edit.SetBounds64(row.low, row.high);
            }
            Attach(row.control, edit);
        }
    }
}

bool CDlgTablePage::OnInitDialog() {
    CDlgCfgBase::OnInitDialog();
    for (const ParamRow& row : m_model.rows) InitRow(row);
    return true;
}

void CDlgTablePage::InitRow(const ParamRow& row) {
    if (row.kind == RowKind::kCombo) AddComboChoices(View(), row.control, row.choices);
    if (row.kind == RowKind::kTime && row.timeFormat != nullptr) {
        View().SetTimeFormat(row.control, row.timeFormat);
    }
    if (row.spin != 0 && row.hasRange) {
        View().SetSpinRange(row.spin, static_cast<int>(row.low), static_cast<int>(row.high));
    }
    if (row.hasInitial) SetRowNumber(row, row.initial);
    ApplyCustomEntry(row);
}

// --- decode ---

// Later loads leave the receipt-marked boxes as the user set them.
bool CDlgTablePage::LoadParams(bool force) {
    const bool loaded = CDlgCfgBase::LoadParams(force);
    m_firstLoad = false;
    return loaded;
}

void CDlgTablePage::ParseItem(const ParamItemView& item) {
    bool kept = false;
    for (const ParamRow& row : m_model.rows) {
        if (!row.IsParam() || ReadId(row) != item.Id()) continue;
        if (row.IsField() && !kept) {
            m_records[row.id].assign(item.Bytes().begin(), item.Bytes().end());
            kept = true;
        }
        if (!IsInForce(row)) continue;
        if (row.checkOnReceipt && m_firstLoad && row.group >= 0) SetGroupCheck(row.group, true);
        if (!DecodeRow(row, item)) DecodeDefault(row, item);
    }
}

void CDlgTablePage::DecodeDefault(const ParamRow& row, const ParamItemView& item) {
    if (!IsCreated()) return;
    switch (row.kind) {
        case RowKind::kEdit:
            View().SetText(row.control, ReadRowText(row, item));
            return;
        case RowKind::kTime: {
            ui::DateTime time = View().GetTime(row.control);
            if (row.wire == Wire::kBcdDate) {
                if (ReadRowDate(item, time)) View().SetTime(row.control, time);
            } else {
                const uint8_t bcd[] = {item.At(0), item.At(1), item.At(2)};
                SetPickerBcdTime(View(), row.control, time, {bcd, row.WireWidth()});
            }
            return;
        }
        default:
            SetRowNumber(row, ReadRowNumber(row, item));
    }
}

void CDlgTablePage::SetRowNumber(const ParamRow& row, int64_t value) {
    if (!IsCreated()) return;
    switch (row.kind) {
        case RowKind::kEdit:
            View().SetText(row.control, std::to_wstring(value));
            return;
        case RowKind::kCombo:
            ShowChoice(row, static_cast<uint32_t>(value));
            return;
        case RowKind::kRadio:
            // A value no button stands for leaves the whole row unchecked.
            for (const Choice& choice : row.choices) {
                View().SetCheck(choice.controlId, choice.value == static_cast<uint32_t>(value));
            }
            return;
        case RowKind::kCheck:
            View().SetCheck(row.control, value != 0 ? 1 : 0);
            return;
        default:
            return;
    }
}

// A value no entry stands for goes to the custom entry's edit; without one, a row that must be
// chosen shows no selection rather than a stale entry, so a save asks the user to pick one.
void CDlgTablePage::ShowChoice(const ParamRow& row, uint32_t value) {
    const bool custom = row.customEdit != 0 && value == row.customValue;
    if (custom || FindComboData(View(), row.control, value, true) < 0) {
        if (row.customEdit != 0 && FindComboData(View(), row.control, row.customValue, true) >= 0) {
            View().SetText(row.customEdit, std::to_wstring(value));
        } else if (row.rule == Rule::kChosen) {
            View().SetSel(row.control, -1);
        }
    }
    ApplyCustomEntry(row);
}

bool CDlgTablePage::IsCustomChosen(const ParamRow& row) const {
    return row.customEdit != 0 && IsCreated() && View().GetSel(row.control) >= 0 &&
           SelectedComboData(View(), row.control) == row.customValue;
}

// The custom edit, its spin and hint take input only while the custom entry is chosen; choosing
// it from the keyboard moves on into the edit.
void CDlgTablePage::ApplyCustomEntry(const ParamRow& row) {
    if (row.customEdit == 0 || !IsCreated()) return;
    const bool custom = IsCustomChosen(row);
    for (int id : {row.customEdit, row.spin, row.hintId}) {
        if (id != 0) View().Enable(id, custom);
    }
    if (custom && View().FocusedId() == row.control) View().SetFocus(row.customEdit);
}

// --- records ---

bool CDlgTablePage::IsInForce(const ParamRow& row) const {
    return row.variant == 0 || row.variant == RowVariant();
}

void CDlgTablePage::ShowRecords() {
    for (const ParamRow& row : m_model.rows) {
        if (!row.IsField() || !IsInForce(row)) continue;
        const ParamItemView view(row.id, m_records[row.id]);
        if (!DecodeRow(row, view)) DecodeDefault(row, view);
    }
}

void CDlgTablePage::SetRecord(uint32_t id, std::span<const uint8_t> bytes) {
    m_records[id].assign(bytes.begin(), bytes.end());
    ShowRecords();
}

std::vector<uint8_t> CDlgTablePage::RecordFromControls(uint32_t id) {
    TakeSnapshot();
    return BuildRecord(id);
}

std::vector<uint8_t> CDlgTablePage::BuildRecord(uint32_t id) {
    std::vector<uint8_t> record = m_records[id];
    for (const ParamRow& row : m_model.rows) {
        if (row.IsField() && row.id == id && IsInForce(row)) {
            PutRowField(record, row, SnapshotNumber(row));
        }
    }
    return record;
}

// --- groups, validation ---

void CDlgTablePage::GetGroupMembers(int checkBoxId, std::vector<int>& ids) {
    const int group = checkBoxId - kFirstGroupId;
    for (const ParamRow& row : m_model.rows) {
        if (row.group != group || group < 0) continue;
        if (row.kind == RowKind::kRadio) {
            for (const Choice& choice : row.choices) ids.push_back(choice.controlId);
        } else if (row.control != 0) {
            ids.push_back(row.control);
        }
        if (row.spin != 0) ids.push_back(row.spin);
        if (row.maskButton != 0 && row.maskInGroup) ids.push_back(row.maskButton);
    }
}

bool CDlgTablePage::IsRowGroupChecked(const ParamRow& row) const {
    return row.group < 0 || IsGroupChecked(row.group);
}

// A page without groups sends its rows whenever they pass: the base rule would refuse it always.
bool CDlgTablePage::ValidateInput() {
    if (m_model.groupCount > 0 && !CDlgCfgBase::ValidateInput()) return false;
    TakeSnapshot();
    for (const ParamRow& row : m_model.rows) {
        if (!row.IsParam() || !IsRowGroupChecked(row) || !IsInForce(row)) continue;
        if (!CheckRule(row) || !ValidateRow(row)) return false;
    }
    return true;
}

void CDlgTablePage::TakeSnapshot() {
    for (size_t i = 0; i < m_model.rows.size(); ++i) m_snapshot[i] = ReadControl(m_model.rows[i]);
}

bool CDlgTablePage::CheckRule(const ParamRow& row) {
    if (row.ruleBelowLevel1 && TheDeviceProfile().protocolLevel >= 1) return true;
    const std::wstring& text = Snapshot(row);
    const bool ok =
        IsCustomChosen(row) ? IsTextInRange(text, row.low, row.high) : PassesRule(row, text);
    if (!ok) ShowRowMessage(row);
    return ok;
}

bool CDlgTablePage::PassesRule(const ParamRow& row, const std::wstring& text) const {
    switch (row.rule) {
        case Rule::kDigits: return IsAllDigits(text) && InRange(row, ReadEditInt64(text));
        case Rule::kHost: return IsHostText(text);
        case Rule::kRange: return InRange(row, ReadEditInt64(text));
        case Rule::kAlphanumeric: return IsAlphanumeric(text);
        case Rule::kChosen: return !text.empty();
        case Rule::kNone: return true;
    }
    return true;
}

void CDlgTablePage::ShowRowMessage(const ParamRow& row) {
    const bool fixed = row.message.stringId != 0 || row.message.literal != nullptr;
    const std::wstring text =
        fixed ? ui::CaptionText(row.message)
              : FormatChineseColon(ui::CaptionText(OwnOr(row.fieldName, row.caption)),
                                   CLanguage::Instance().GetText(row.ruleTextId));
    ShowMsgTipEx(text, L"", kMsgTipNotice);
    int focus = IsCustomChosen(row) ? row.customEdit : row.control;
    if (row.kind == RowKind::kRadio && !row.choices.empty()) focus = row.choices.front().controlId;
    if (Has(focus)) View().SetFocus(focus);
}

std::wstring CDlgTablePage::ReadControl(const ParamRow& row) const {
    if (!IsCreated() || !row.IsParam()) return {};
    switch (row.kind) {
        case RowKind::kEdit:
            return View().GetText(row.control);
        case RowKind::kCombo:
            if (View().GetSel(row.control) < 0) return {};
            if (IsCustomChosen(row)) return View().GetText(row.customEdit);
            return std::to_wstring(SelectedComboData(View(), row.control));
        case RowKind::kRadio:
            for (const Choice& choice : row.choices) {
                if (View().GetCheck(choice.controlId) != 0) return std::to_wstring(choice.value);
            }
            return std::to_wstring(row.noneValue);
        case RowKind::kCheck:
            return View().GetCheck(row.control) != 0 ? L"1" : L"0";
        case RowKind::kTime:
            return std::to_wstring(PackTime(row, View().GetTime(row.control)));
        default:
            return {};
    }
}

const std::wstring& CDlgTablePage::Snapshot(const ParamRow& row) const {
    return m_snapshot[IndexOf(row)];
}

int64_t CDlgTablePage::SnapshotNumber(const ParamRow& row) const {
    return ReadEditInt64(Snapshot(row));
}

int64_t CDlgTablePage::ControlNumber(const ParamRow& row) const {
    return ReadEditInt64(ReadControl(row));
}

size_t CDlgTablePage::IndexOf(const ParamRow& row) const {
    return static_cast<size_t>(&row - m_model.rows.data());
}

// --- encode ---

bool CDlgTablePage::IsItemHead(size_t index) const {
    for (size_t i = 0; i < index; ++i) {
        if (m_model.rows[i].IsParam() && m_model.rows[i].id == m_model.rows[index].id) return false;
    }
    return true;
}

bool CDlgTablePage::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    ParamListWriter writer(list);
    for (size_t i = 0; i < m_model.rows.size(); ++i) {
        const ParamRow& row = m_model.rows[i];
        if (!row.IsParam() || !IsItemHead(i) || !IsRowGroupChecked(row) || !IsRowSent(row)) {
            continue;
        }
        if (!EncodeRow(row, writer)) EncodeItem(i, writer);
    }
    *length = writer.Finish();
    if (writer.Failed()) return false;
    if (m_model.sentLog != nullptr) {
        CLogFile2::Instance().WriteHex(2, list.data(), *length, "%s", m_model.sentLog);
    }
    return true;
}

bool CDlgTablePage::EncodeItem(size_t index, ParamListWriter& writer) {
    const ParamRow& row = m_model.rows[index];
    if (row.IsField()) return writer.AppendBytes(WriteId(row), BuildRecord(row.id));
    if (row.IsPacked()) return EncodePacked(index, writer);
    const uint32_t id = WriteId(row);
    if (row.kind == RowKind::kTime) {
        return AppendRowBcd(writer, id, row, UnpackTime(row, SnapshotNumber(row)));
    }
    const std::wstring& text = Snapshot(row);
    if (row.kind == RowKind::kEdit && text.empty()) {
        switch (row.empty) {
            case EmptySends::kNothing: return true;
            case EmptySends::kEmptyItem: return writer.AppendBytes(id, {});
            case EmptySends::kZero: break;
        }
    }
    if (!row.IsNumber()) return AppendRowText(writer, id, row, text);
    return AppendRowNumber(writer, id, row, ReadEditInt64(text));
}

// Every row of the parameter adds its bits; empty edits count as 0.
bool CDlgTablePage::EncodePacked(size_t index, ParamListWriter& writer) {
    const ParamRow& head = m_model.rows[index];
    uint32_t value = 0;
    for (size_t i = index; i < m_model.rows.size(); ++i) {
        const ParamRow& row = m_model.rows[i];
        if (row.IsParam() && row.id == head.id) value = PackRowBits(value, row, SnapshotNumber(row));
    }
    return AppendRowNumber(writer, WriteId(head), head, value);
}

void CDlgTablePage::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    if (!m_model.queryOrder.empty()) {
        for (uint32_t id : m_model.queryOrder) writer.Append(id);
    } else {
        for (size_t i = 0; i < m_model.rows.size(); ++i) {
            if (m_model.rows[i].IsParam() && IsItemHead(i)) writer.Append(ReadId(m_model.rows[i]));
        }
    }
    *length = writer.Finish();
}

void CDlgTablePage::GetBatchKind(uint32_t* kind, uint32_t* extra) {
    if (m_model.batchKind == 0) return;
    *kind = m_model.batchKind;
    *extra = m_model.batchExtra;
}

const ParamRow* CDlgTablePage::RowOfId(uint32_t id) const {
    for (const ParamRow& row : m_model.rows) {
        if (row.IsParam() && row.id == id) return &row;
    }
    return nullptr;
}

// --- input ---

const ParamRow* CDlgTablePage::RowOfControl(int controlId) const {
    for (const ParamRow& row : m_model.rows) {
        if (!row.IsParam()) continue;
        if (row.control == controlId) return &row;
        for (const Choice& choice : row.choices) {
            if (row.kind == RowKind::kRadio && choice.controlId == controlId) return &row;
        }
    }
    return nullptr;
}

bool CDlgTablePage::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::Message && n.message == kEditRejected) {
        CEditCheck::ShowRejected(n.lParam);
        return true;
    }
    if (n.event == ui::Event::Click) {
        for (const ParamRow& row : m_model.rows) {
            if (row.maskButton == n.id && n.id != 0) return OpenMask(row);
        }
    }
    if (n.event == ui::Event::Spin && OnSpin(n)) return true;
    const bool changed = n.event == ui::Event::SelChange || n.event == ui::Event::Click;
    if (const ParamRow* row = changed ? RowOfControl(n.id) : nullptr) {
        ApplyCustomEntry(*row);
        if (row->kind != RowKind::kEdit) OnRowChanged(*row);
    }
    return CDlgCfgBase::OnNotify(n);
}

// A spin steps its edit within the row's range.
bool CDlgTablePage::OnSpin(const ui::Notification& n) {
    for (const ParamRow& row : m_model.rows) {
        if (row.spin != n.id || n.id == 0 || !row.hasRange) continue;
        ClampEdit(View(), row.SpunEdit(), n.delta, row.low, row.high);
        return true;
    }
    return false;
}

bool CDlgTablePage::OpenMask(const ParamRow& row) {
    if (!Has(row.control)) return true;
    CDlgAlarmMask popup;
    popup.SetMask(static_cast<uint32_t>(ReadEditInt64(View().GetText(row.control))));
    popup.SetMode(row.maskMode);
    popup.SetTitle(ui::CaptionText(OwnOr(row.maskTitle, row.caption)));
    if (popup.DoModal(this) == CDlgAlarmMask::kResultOk) {
        const uint32_t mask = popup.Mask();
        View().SetText(row.control, row.maskUnsigned ? std::to_wstring(mask)
                                                     : std::to_wstring(static_cast<int32_t>(mask)));
    }
    return true;
}

}  // namespace mdvr
