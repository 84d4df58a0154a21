#include "pages/CDlgRegion.h"

#include <array>
#include <string>

#include "controls/EditNumber.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/EditRange.h"
#include "pagebase/PageLayout.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr int kWindows = CDlgRegion::kWindows;
constexpr int kFirstHintId = 4080;  // "(0~255)" beside each interval
constexpr int kPickerWidth = 90;
constexpr int kIntervalWidth = 60;
constexpr int kLabelWidth = 40;
constexpr int kUnitWidth = 80;
constexpr int kIntervalColumn = kIntervalWidth + kUnitWidth + 30;  // edit, spin, range text
constexpr int kMaxInterval = 255;
constexpr size_t kRecord = 5;  // start hh mm, end hh mm, interval
constexpr const wchar_t* kFormat = L"HH : mm";
constexpr const wchar_t* kLineNumbers[kWindows] = {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"};

constexpr int StartId(int r) {
    return CDlgRegion::kFirstStartId + r;
}
constexpr int EndId(int r) {
    return CDlgRegion::kFirstEndId + r;
}
constexpr int IntervalId(int r) {
    return CDlgRegion::kFirstIntervalId + r;
}

// The frame, the column headers, then one line per window.
constexpr auto kRows = [] {
    std::array<ParamRow, 5 + 3 * kWindows> rows{};
    rows[0] = Heading(4065, {18000});
    rows[1] = Note(0, {}).Width(kLabelWidth);
    rows[2] = Note(4066, {18001}).Width(kPickerWidth).SameLine();
    rows[3] = Note(4067, {18002}).Width(kPickerWidth).SameLine();
    rows[4] = Note(4068, {18003}).Width(kIntervalColumn).SameLine();
    for (int r = 0; r < kWindows; ++r) {
        const size_t at = 5 + 3 * static_cast<size_t>(r);
        rows[at] = Shown(RowKind::kTime, StartId(r), {0, kLineNumbers[r]}).Width(kPickerWidth);
        rows[at + 1] = Shown(RowKind::kTime, EndId(r), {}).Width(kPickerWidth).SameLine();
        rows[at + 2] = Shown(RowKind::kEdit, IntervalId(r), {})
                           .Width(kIntervalWidth)
                           .SameLine()
                           .Spin(CDlgRegion::kFirstSpinId + r)
                           .Unit(kFirstHintId + r, {0, L"(0~255)"});
    }
    return rows;
}();

constexpr PageModel kModel{
    .templateId = CDlgRegion::kTemplateId,
    .title = {18000},
    .rows = kRows,
    .columns = {.label = kLabelWidth, .control = kPickerWidth, .unit = kUnitWidth}};

int ClockOf(const ui::DateTime& t) {
    return t.hour * 100 + t.minute;
}

}  // namespace

CDlgRegion::CDlgRegion() : CDlgCfgBase(PageDecl(kModel), 0) {}

bool CDlgRegion::OnInitDialog() {
    CDlgCfgBase::OnInitDialog();
    const ui::DateTime now = LocalNow();
    for (int r = 0; r < kWindows; ++r) {
        for (int id : {StartId(r), EndId(r)}) {
            View().SetTimeFormat(id, kFormat);
            View().SetTime(id, now);
        }
        // An explicit range makes the up arrow report +1 on every platform.
        View().SetSpinRange(kFirstSpinId + r, 0, kMaxInterval);
    }
    return true;
}

bool CDlgRegion::OnNotify(const ui::Notification& n) {
    for (int r = 0; r < kWindows; ++r) {
        if (ClampEditOn(View(), n, IntervalId(r), kFirstSpinId + r, 0, kMaxInterval)) return true;
    }
    if (n.event == ui::Event::TimeChange) m_times.Edited(n.id);
    return CDlgCfgBase::OnNotify(n);
}

void CDlgRegion::ParseItem(const ParamItemView& item) {
    if (item.Id() != kScheduleId || !IsCreated()) return;
    const ui::DateTime base = LocalNow();
    for (int r = 0; r < kWindows; ++r) {
        const size_t at = kRecord * static_cast<size_t>(r);
        const uint8_t start[] = {item.At(at), item.At(at + 1)};
        const uint8_t end[] = {item.At(at + 2), item.At(at + 3)};
        m_times.Load(View(), StartId(r), base, start);
        m_times.Load(View(), EndId(r), base, end);
        View().SetText(IntervalId(r), std::to_wstring(item.At(at + 4)));
    }
    const auto bytes = item.Bytes();
    m_tail.assign(bytes.size() > kRecordSize ? bytes.begin() + kRecordSize : bytes.end(),
                  bytes.end());
}

bool CDlgRegion::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    std::vector<uint8_t> value(kRecordSize);
    for (int r = 0; r < kWindows; ++r) {
        const auto record = std::span(value).subspan(kRecord * static_cast<size_t>(r), kRecord);
        m_times.Put(View(), StartId(r), record.subspan(0, 2));
        m_times.Put(View(), EndId(r), record.subspan(2, 2));
        record[4] = static_cast<uint8_t>(ReadEditInt64(View().GetText(IntervalId(r))) & 0xFF);
    }
    value.insert(value.end(), m_tail.begin(), m_tail.end());
    ParamListWriter writer(list);
    writer.AppendBytes(kScheduleId, value);
    *length = writer.Finish();
    return !writer.Failed();
}

// The page has no groups: its own checks decide alone.
bool CDlgRegion::ValidateInput() {
    return CheckWindowOrder() && CheckIntervals();
}

// A window the terminal sent and nobody touched goes back as it came, whatever its order.
bool CDlgRegion::CheckWindowOrder() const {
    for (int r = 0; r < kWindows; ++r) {
        if (m_times.IsKept(StartId(r)) && m_times.IsKept(EndId(r))) continue;
        if (ClockOf(View().GetTime(StartId(r))) <= ClockOf(View().GetTime(EndId(r)))) continue;
        ShowMsgTipEx(CLanguage::Instance().GetText(kStrWindowOrder), L"", kMsgTipNotice);
        return false;
    }
    return true;
}

bool CDlgRegion::CheckIntervals() {
    for (int r = 0; r < kWindows; ++r) {
        const auto value = static_cast<uint32_t>(ReadEditInt32(View().GetText(IntervalId(r))));
        if (value <= kMaxInterval) continue;
        ShowMsgTipEx(CLanguage::Instance().GetText(kStrIntervalRange), L"", kMsgTipNotice);
        View().SetFocus(IntervalId(r));
        return false;
    }
    return true;
}

void CDlgRegion::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    writer.Append(kScheduleId);
    *length = writer.Finish();
}

void CDlgRegion::GetBatchKind(uint32_t* kind, uint32_t* extra) {
    *kind = 0x2a;
    *extra = 0;
}

}  // namespace mdvr
