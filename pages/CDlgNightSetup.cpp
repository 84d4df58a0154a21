#include "pages/CDlgNightSetup.h"

#include <array>
#include <string>

#include "controls/EditNumber.h"
#include "pagebase/ComboData.h"
#include "pagebase/EditRange.h"
#include "pagebase/PageLayout.h"
#include "protocol/ParamListWriter.h"
#include "protocol/QueryListWriter.h"

namespace mdvr {

namespace {

using Page = CDlgNightSetup;

constexpr int kMaxPercent = 100;
constexpr int kPercentHintId = 4186;
constexpr const wchar_t* kFormat = L"HH:mm:ss";
constexpr size_t kLimitSize = 8;     // switch, percent, start hh mm ss, end hh mm ss
constexpr size_t kMovementSize = 7;  // switch, start hh mm ss, end hh mm ss
constexpr size_t kTimeSize = 3;

// Entry 1 switches the alarm on; its data is the wire value.
constexpr Choice kSwitch[] = {{0, {11005}}, {1, {11004}}};

constexpr ParamRow Switch(int combo, int label) {
    return Shown(RowKind::kCombo, combo, {18201}).Label(label).Choices(kSwitch);
}
constexpr ParamRow Picker(int picker, int caption, int label) {
    return Shown(RowKind::kTime, picker, {caption}).Label(label).Format(kFormat);
}

constexpr ParamRow kRows[] = {
    Heading(4187, {18202}),
    Switch(Page::kLimitSwitchId, 4182),
    Shown(RowKind::kEdit, Page::kPercentId, {18204})
        .Label(4183)
        .Limit(3)
        .Style(ui::kStyleDigitsOnly)
        .Spin(Page::kPercentSpinId)
        .Unit(kPercentHintId, {0, L"(0~100)"}),
    Picker(Page::kLimitStartId, 18205, 4087),
    Picker(Page::kLimitEndId, 18206, 4088),
    Heading(4188, {18203}),
    Switch(Page::kMoveSwitchId, 4085),
    Picker(Page::kMoveStartId, 18205, 4089),
    Picker(Page::kMoveEndId, 18206, 4090),
};

constexpr PageModel kModel{.templateId = Page::kTemplateId,
                         .title = {18200},
                         .rows = kRows,
                         .columns = {.label = 200, .control = 120, .unit = 80}};

}  // namespace

CDlgNightSetup::CDlgNightSetup() : CDlgCfgBase(PageDecl(kModel), 0) {}

bool CDlgNightSetup::OnInitDialog() {
    CDlgCfgBase::OnInitDialog();
    ui::DateTime midnight = LocalNow();
    midnight.hour = midnight.minute = midnight.second = 0;
    for (const ParamRow& row : kRows) {
        if (row.kind == RowKind::kCombo) {
            AddComboChoices(View(), row.control, row.choices);
            View().SetSel(row.control, 0);
        } else if (row.kind == RowKind::kTime) {
            View().SetTimeFormat(row.control, row.timeFormat);
            View().SetTime(row.control, midnight);
        }
    }
    // An explicit range makes the up arrow report +1 on every platform.
    View().SetSpinRange(kPercentSpinId, 0, kMaxPercent);
    return true;
}

bool CDlgNightSetup::OnNotify(const ui::Notification& n) {
    if (ClampEditOn(View(), n, kPercentId, kPercentSpinId, 0, kMaxPercent)) return true;
    if (n.event == ui::Event::TimeChange) m_times.Edited(n.id);
    return CDlgCfgBase::OnNotify(n);
}

// Any switch byte but 0 reads as on.
void CDlgNightSetup::LoadSwitch(int combo, uint8_t value) {
    View().SetSel(combo, value != 0 ? 1 : 0);
}

void CDlgNightSetup::LoadPeriod(int start, int end, const ParamItemView& item, size_t offset) {
    const uint8_t from[] = {item.At(offset), item.At(offset + 1), item.At(offset + 2)};
    const uint8_t to[] = {item.At(offset + 3), item.At(offset + 4), item.At(offset + 5)};
    m_times.Load(View(), start, View().GetTime(start), from);
    m_times.Load(View(), end, View().GetTime(end), to);
}

void CDlgNightSetup::ParseItem(const ParamItemView& item) {
    if (!IsCreated()) return;
    if (item.Id() == kSpeedLimitId) {
        LoadSwitch(kLimitSwitchId, item.At(0));
        View().SetText(kPercentId, std::to_wstring(item.At(1)));
        LoadPeriod(kLimitStartId, kLimitEndId, item, 2);
    } else if (item.Id() == kMovementId) {
        LoadSwitch(kMoveSwitchId, item.At(0));
        LoadPeriod(kMoveStartId, kMoveEndId, item, 1);
    }
}

void CDlgNightSetup::PutPeriod(int start, int end, std::span<uint8_t> out) const {
    m_times.Put(View(), start, out.first(kTimeSize));
    m_times.Put(View(), end, out.subspan(kTimeSize, kTimeSize));
}

bool CDlgNightSetup::BuildParamList(std::span<uint8_t> list, uint32_t* length) {
    std::array<uint8_t, kLimitSize> limit{};
    limit[0] = static_cast<uint8_t>(SelectedComboData(View(), kLimitSwitchId));
    limit[1] = static_cast<uint8_t>(ReadEditInt64(View().GetText(kPercentId)) & 0xFF);
    PutPeriod(kLimitStartId, kLimitEndId, std::span(limit).subspan(2));
    std::array<uint8_t, kMovementSize> movement{};
    movement[0] = static_cast<uint8_t>(SelectedComboData(View(), kMoveSwitchId));
    PutPeriod(kMoveStartId, kMoveEndId, std::span(movement).subspan(1));
    ParamListWriter writer(list);
    writer.AppendBytes(kSpeedLimitId, limit);
    writer.AppendBytes(kMovementId, movement);
    *length = writer.Finish();
    return !writer.Failed();
}

// No groups to check, and the clamp keeps the percentage in range: the page always sends.
bool CDlgNightSetup::ValidateInput() {
    return true;
}

void CDlgNightSetup::BuildQueryList(std::span<uint8_t> list, uint32_t* length) {
    QueryListWriter writer(list);
    writer.Append(kSpeedLimitId);
    writer.Append(kMovementId);
    *length = writer.Finish();
}

void CDlgNightSetup::GetBatchKind(uint32_t* kind, uint32_t* extra) {
    *kind = 0x58;
    *extra = 0;
}

}  // namespace mdvr
