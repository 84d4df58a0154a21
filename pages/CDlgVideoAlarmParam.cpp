#include "pages/CDlgVideoAlarmParam.h"

#include "host/HostFormat.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/BcdTime.h"
#include "pages/VideoLayout.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Page = CDlgVideoAlarmParam;

constexpr uint32_t kWake = 0x007C;
constexpr int kWakeGroup = 2;
constexpr int kStrOverlap = 18324;
constexpr int kDayWidth = 72;
constexpr int kPickerWidth = 90;

// Controls of the wake-up record that no row sends on its own. They are made disabled, as the
// unchecked wake modes leave them: disabling them afterwards costs a round trip each on Windows.
constexpr ParamRow Box(int id, Caption caption) {
    return MakeRow(0, Wire::kNone, RowKind::kCheck, id, -1, caption).Style(ui::kStyleDisabled);
}
constexpr ParamRow Picker(int id) {
    return MakeRow(0, Wire::kNone, RowKind::kTime, id, -1, {}).Format(L"HH : mm")
        .Width(kPickerWidth).SameLine().Style(ui::kStyleDisabled);
}
constexpr ParamRow Mode(int id, Caption caption, int bit) {
    return CheckBit(kWake, Wire::kU8, id, kWakeGroup, caption, bit).Width(120);
}

constexpr ParamRow kRows[] = {
    Heading(4197, {18500}),
    Num32(0x007A, Page::kMaskId, 0, {18501}).Label(4201).Signed().EmptyAsZero()
        .Mask(Page::kMaskButtonId, 0, true).MaskTitle({18500}),
    Heading(4198, {18400}),
    // Rated passengers in the first byte, the fatigue threshold in the second.
    Num16(0x007B, Page::kPassengersId, 1, {18401}).Label(4203).Limit(3).AtWidth().Bits(8, 8)
        .EmptyAsZero().Unit(4202, {18402}),
    Num16(0x007B, Page::kFatigueId, 1, {18403}).Label(4170).Limit(3).AtWidth().Bits(0, 8)
        .EmptyAsZero().Unit(4196, {18404}),
    Heading(4205, {18301}),
    Mode(Page::kConditionWakeId, {18302}, 0),
    Mode(Page::kTimedWakeId, {18303}, 1).SameLine(),
    Mode(Page::kManualWakeId, {18304}, 2).SameLine(),
    Box(4032, {18317}).Width(120),
    Box(4036, {18318}).Width(200).SameLine(),
    Box(4037, {18319}).Width(120).SameLine(),
    Box(4038, {}).Style(ui::kStyleHidden).Width(1).SameLine(),
    Box(4039, {}).Style(ui::kStyleHidden).Width(1).SameLine(),
    Box(4040, {}).Style(ui::kStyleHidden).Width(1).SameLine(),
    Box(4041, {}).Style(ui::kStyleHidden).Width(1).SameLine(),
    Box(4042, {}).Style(ui::kStyleHidden).Width(1).SameLine(),
    Box(Page::kEveryDayId, {18309}),
    Box(4208, {18310}).Width(kDayWidth),
    Box(4209, {18311}).Width(kDayWidth).SameLine(),
    Box(4210, {18312}).Width(kDayWidth).SameLine(),
    Box(4211, {18313}).Width(kDayWidth).SameLine(),
    Box(4212, {18314}).Width(kDayWidth).SameLine(),
    Box(4213, {18315}).Width(kDayWidth).SameLine(),
    Box(4214, {18316}).Width(kDayWidth).SameLine(),
    Box(4215, {18305}).Width(120), Picker(4177), Picker(4181),
    Box(4216, {18306}).Width(120), Picker(4178), Picker(4182),
    Box(4217, {18307}).Width(120), Picker(4179), Picker(4183),
    Box(4218, {18308}).Width(120), Picker(4180), Picker(4184),
};

constexpr Caption kGroupCaptions[] = {{11007}, {11007}, {11007}};

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                         .title = {18300},
                         .groupCount = Page::kGroups,
                         .rows = kRows,
                         .groupCaptions = kGroupCaptions,
                         .columns = {.label = 150, .control = 130, .unit = 200}};

// Where each box of the wake-up record keeps its bit.
struct BitBox {
    int id;
    uint8_t byte;
    uint8_t bit;
};

constexpr BitBox kBitBoxes[] = {
    {4033, 0, 0}, {4034, 0, 1}, {4035, 0, 2},                                 // wake modes
    {4032, 1, 0}, {4036, 1, 1}, {4037, 1, 2}, {4038, 1, 3}, {4039, 1, 4},     // conditions
    {4040, 1, 5}, {4041, 1, 6}, {4042, 1, 7},                                 //
    {4208, 2, 0}, {4209, 2, 1}, {4210, 2, 2}, {4211, 2, 3}, {4212, 2, 4},     // days
    {4213, 2, 5}, {4214, 2, 6},                                               //
    {4215, 3, 0}, {4216, 3, 1}, {4217, 3, 2}, {4218, 3, 3},                   // periods
};

constexpr int kConditionBoxes[] = {4032, 4036, 4037, 4038, 4039, 4040, 4041, 4042};

// Picker p of the record: starts first, then ends; p's hour and minute bytes.
constexpr int PickerId(int p) {
    return p < Page::kPeriods ? Page::kFirstStartId + p : Page::kFirstEndId + p - Page::kPeriods;
}
constexpr size_t PickerOffset(int p) {
    return static_cast<size_t>(4 + 4 * (p % Page::kPeriods) + (p < Page::kPeriods ? 0 : 2));
}

bool SameClock(const ui::DateTime& a, const ui::DateTime& b) {
    return a.hour == b.hour && a.minute == b.minute;
}

}  // namespace

CDlgVideoAlarmParam::CDlgVideoAlarmParam() : CDlgTablePage(kModel) {}

bool CDlgVideoAlarmParam::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    ShowWake();
    return true;
}

void CDlgVideoAlarmParam::GetBatchKind(uint32_t* kind, uint32_t* /*extra*/) {
    GetVideoBatchKind(kind);
}

void CDlgVideoAlarmParam::ParseItem(const ParamItemView& item) {
    if (item.Id() != kWake) return CDlgTablePage::ParseItem(item);
    const auto bytes = item.Bytes();
    m_wake.assign(bytes.begin(), bytes.end());
    if (m_wake.size() < kWakeBytes) m_wake.resize(kWakeBytes);
    if (IsCreated()) ShowWake();
}

void CDlgVideoAlarmParam::ShowWake() {
    for (const BitBox& box : kBitBoxes) {
        View().SetCheck(box.id, (m_wake[box.byte] >> box.bit) & 1);
    }
    ApplyConditionRule();
    ApplyTimedRule();
    const ui::DateTime now = LocalNow();
    for (int p = 0; p < 2 * kPeriods; ++p) {
        SetPickerBcdTime(View(), PickerId(p), now, {&m_wake[PickerOffset(p)], 2});
        m_shownTimes[static_cast<size_t>(p)] = View().GetTime(PickerId(p));
    }
}

// Controls to the record: only the bits and times the page shows are replaced.
void CDlgVideoAlarmParam::ReadWake() {
    for (const BitBox& box : kBitBoxes) {
        const auto mask = static_cast<uint8_t>(1u << box.bit);
        const bool on = View().GetCheck(box.id) != 0;
        m_wake[box.byte] = static_cast<uint8_t>(on ? m_wake[box.byte] | mask
                                                   : m_wake[box.byte] & ~mask);
    }
    for (int p = 0; p < 2 * kPeriods; ++p) {
        const ui::DateTime time = View().GetTime(PickerId(p));
        if (SameClock(time, m_shownTimes[static_cast<size_t>(p)])) continue;
        PutBcdTime(time, {&m_wake[PickerOffset(p)], 2});
    }
}

bool CDlgVideoAlarmParam::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kWake) return false;
    ReadWake();
    writer.AppendBytes(kWake, m_wake);
    return true;
}

// --- enabling rules of the wake-up group ---

void CDlgVideoAlarmParam::GetGroupMembers(int checkBoxId, std::vector<int>& ids) {
    CDlgTablePage::GetGroupMembers(checkBoxId, ids);
    if (checkBoxId != kFirstGroupId + kWakeGroup) return;
    ApplyConditionRule();
    ApplyTimedRule();
}

bool CDlgVideoAlarmParam::IsTimedOn() const {
    return IsGroupChecked(kWakeGroup) && View().GetCheck(kTimedWakeId) != 0;
}

void CDlgVideoAlarmParam::ApplyConditionRule() {
    const bool on = IsGroupChecked(kWakeGroup) && View().GetCheck(kConditionWakeId) != 0;
    for (int id : kConditionBoxes) View().Enable(id, on);
}

void CDlgVideoAlarmParam::ApplyTimedRule() {
    const bool on = IsTimedOn();
    View().Enable(kEveryDayId, on);
    for (int day = 0; day < 7; ++day) View().Enable(kFirstDayId + day, on);
    for (int period = 0; period < kPeriods; ++period) {
        View().Enable(kFirstPeriodId + period, on);
        ApplyPeriodRule(period);
    }
}

void CDlgVideoAlarmParam::ApplyPeriodRule(int period) {
    const bool on = IsTimedOn() && View().GetCheck(kFirstPeriodId + period) != 0;
    View().Enable(kFirstStartId + period, on);
    View().Enable(kFirstEndId + period, on);
}

void CDlgVideoAlarmParam::ApplyEveryDayRule() {
    const bool on = IsTimedOn() && View().GetCheck(kEveryDayId) != 0;
    for (int day = 0; day < 7; ++day) View().Enable(kFirstDayId + day, on);
}

bool CDlgVideoAlarmParam::OnNotify(const ui::Notification& n) {
    const bool handled = CDlgTablePage::OnNotify(n);
    if (n.event != ui::Event::Click) return handled;
    if (n.id == kConditionWakeId) ApplyConditionRule();
    if (n.id == kTimedWakeId) ApplyTimedRule();
    if (n.id >= kFirstPeriodId && n.id < kFirstPeriodId + kPeriods) {
        ApplyPeriodRule(n.id - kFirstPeriodId);
    }
    if (n.id == kEveryDayId) ApplyEveryDayRule();
    return handled;
}

// --- validation ---

// hhmm of the picker, the way the periods are compared.
int CDlgVideoAlarmParam::PeriodMinutes(int pickerId) const {
    const ui::DateTime time = View().GetTime(pickerId);
    return time.hour * 100 + time.minute;
}

// An earlier period whose start or end falls strictly inside a later one overlaps it; a period
// that ends before it starts runs past midnight.
bool CDlgVideoAlarmParam::ValidateInput() {
    if (!CDlgTablePage::ValidateInput()) return false;
    if (!IsGroupChecked(kWakeGroup)) return true;
    int start[kPeriods] = {};
    int end[kPeriods] = {};
    for (int k = 0; k < kPeriods; ++k) {
        if (View().GetCheck(kFirstPeriodId + k) == 0) continue;
        start[k] = PeriodMinutes(kFirstStartId + k);
        end[k] = PeriodMinutes(kFirstEndId + k);
        if (start[k] > end[k]) end[k] += 2400;
    }
    std::wstring message;
    for (int i = 0; i < kPeriods; ++i) {
        for (int j = i + 1; j < kPeriods; ++j) {
            const auto inside = [&](int t) { return t > start[j] && t < end[j]; };
            if (inside(start[i]) || inside(end[i])) {
                message = FormatStringInt2(CLanguage::Instance().GetText(kStrOverlap), i + 1, j + 1);
                break;
            }
        }
    }
    if (message.empty()) return true;
    ShowMsgTipEx(message, L"", kMsgTipNotice);
    return false;
}

}  // namespace mdvr
