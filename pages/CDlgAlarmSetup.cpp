#include "pages/CDlgAlarmSetup.h"

#include <algorithm>
#include <iterator>

#include "pagebase/BcdTime.h"
#include "protocol/DeviceProfile.h"

namespace mdvr {

namespace {

using ui::Caption;

// The illegal-driving period travels as plain binary start hour, start minute, end hour, end
// minute, not as BCD.
constexpr uint32_t kPeriod = 0x0032;
constexpr const wchar_t* kClockFormat = L"HH' : 'mm";

constexpr ParamRow Word(uint32_t id, int edit, int group, int caption, int button) {
    return Num32(id, edit, group, {caption}).Check(Rule::kDigits).Mask(button, 1, true)
        .UnsignedMask();
}

constexpr ParamRow kRows[] = {
    Heading(1198, {12002}),
    Word(0x0050, 1200, 0, 12003, 4280),
    Word(0x0051, 1202, 1, 12004, 4201),
    Word(0x0052, 1206, 2, 12005, 4202),
    Word(0x0053, 1208, 3, 12006, 4203),
    Word(0x0054, 1207, 4, 12007, 4204),
    Heading(1265, {16602}),
    Num16(0x0031, CDlgAlarmSetup::kFenceRadiusId, 5, {16603}).Range(0, 65535)
        .Check(Rule::kDigits).Unit(1266, {12028}).Hint(1230, {0, L"(0~65535)"}),
    Heading(1272, {16604}),
    Time(kPeriod, Wire::kU32, CDlgAlarmSetup::kPeriodStartId, 6, {16605}).Format(kClockFormat)
        .Width(90),
    Time(kPeriod, Wire::kU32, CDlgAlarmSetup::kPeriodEndId, 6, {0, L"-"}).Format(kClockFormat)
        .Width(90).Label(1231).SameLine(),
    Heading(1267, {16301}),
    // The collision parameter: time in the low byte, acceleration in the high byte.
    Num16(0x005D, CDlgAlarmSetup::kCollisionTimeId, 7, {16302}).Limit(3).Bits(0, 8)
        .Check(Rule::kDigits).Unit(1232, {0, L"(ms)"}).Hint(1233, {0, L"(0~255)"}),
    Num16(0x005D, CDlgAlarmSetup::kCollisionAccelId, 7, {16303}).Limit(2).Range(0, 79)
        .Bits(8, 8).Check(Rule::kDigits).Label(1218).Unit(1234, {0, L"(0~79)(0.1g)"}),
    Num16(0x005E, CDlgAlarmSetup::kRolloverId, 8, {16304}).Limit(4).Check(Rule::kDigits)
        .EmptyAsZero().Unit(1235, {0, L"(度)"}).Hint(1270, {16305}),
};

// The template's own labels of the collision time and rollover rows: their boxes carry the
// captions, so the labels stay hidden.
constexpr ui::ControlDecl kExtras[] = {
    {1216, ui::ControlKind::Static, {16302}, ui::kStyleHidden, {}},
    {1220, ui::ControlKind::Static, {16304}, ui::kStyleHidden, {}},
};

constexpr PageModel kModel{.templateId = CDlgAlarmSetup::kTemplateId,
                         .title = {14000},
                         .groupCount = CDlgAlarmSetup::kGroups,
                         .rows = kRows,
                         .extras = kExtras,
                         .columns = {.label = 230, .control = 120, .unit = 90}};

const ParamRow& PickerRow(int picker) {
    return *std::find_if(std::begin(kRows), std::end(kRows),
                         [picker](const ParamRow& row) { return row.control == picker; });
}

// Pickers read back as hhmmss numbers.
uint8_t Hour(int64_t hhmmss) { return static_cast<uint8_t>(hhmmss / 10000); }
uint8_t Minute(int64_t hhmmss) { return static_cast<uint8_t>(hhmmss / 100 % 100); }

// Groups a terminal below protocol level 1 does not know.
constexpr int kLevelOneGroups[] = {6, 7, 8};

}  // namespace

CDlgAlarmSetup::CDlgAlarmSetup() : CDlgTablePage(kModel) {}

bool CDlgAlarmSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    if (TheDeviceProfile().protocolLevel < 1) {
        for (int group : kLevelOneGroups) SetGroupCheck(group, false);
    }
    return true;
}

// Each picker takes its half of the period; out-of-range bytes are shown at the day's limits.
bool CDlgAlarmSetup::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.id != kPeriod) return false;
    if (!IsCreated()) return true;
    const size_t first = row.control == kPeriodStartId ? 0 : 2;
    ui::DateTime time = LocalNow();
    time.hour = std::min<int>(item.At(first), 23);
    time.minute = std::min<int>(item.At(first + 1), 59);
    View().SetTime(row.control, time);
    return true;
}

bool CDlgAlarmSetup::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kPeriod) return false;
    const int64_t start = SnapshotNumber(PickerRow(kPeriodStartId));
    const int64_t end = SnapshotNumber(PickerRow(kPeriodEndId));
    const uint8_t value[] = {Hour(start), Minute(start), Hour(end), Minute(end)};
    return writer.AppendBytes(kPeriod, value);
}

}  // namespace mdvr
