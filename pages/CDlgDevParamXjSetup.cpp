#include "pages/CDlgDevParamXjSetup.h"

#include <algorithm>

#include "pagebase/RowCodec.h"

namespace mdvr {

namespace {

using Self = CDlgDevParamXjSetup;

constexpr Choice kModes[] = {{1, {0, L"震动检测模式"}, Self::kModeId},
                             {2, {0, L"固定上报模式"}, Self::kModeId + 1}};

// The off button first: a switch value other than 1 shows as off.
constexpr Choice kAuto[] = {{0, {0, L"关闭"}, Self::kAutoControlId},
                            {1, {0, L"开启"}, Self::kAutoControlId + 1}};
constexpr Choice kSim[] = {{0, {0, L"关闭"}, Self::kSimControlId},
                           {1, {0, L"开启"}, Self::kSimControlId + 1}};
constexpr Choice kCamera[] = {{0, {0, L"关闭"}, Self::kCameraControlId},
                              {1, {0, L"开启"}, Self::kCameraControlId + 1}};
constexpr Choice kOverspeed[] = {{0, {0, L"关闭"}, Self::kOverspeedControlId},
                                 {1, {0, L"开启"}, Self::kOverspeedControlId + 1}};

constexpr ParamRow Choose(uint32_t id, int group, const wchar_t* caption,
                          std::span<const Choice> buttons) {
    return Radio(id, Wire::kU8, group, {0, caption}, buttons)
        .Initial(buttons.front().value)
        .Width(110);
}

// Intervals in seconds, refused beyond what their width carries.
constexpr ParamRow Seconds(ParamRow row, int64_t high, const wchar_t* message, int hintId,
                           const wchar_t* hint) {
    return row.Range(0, high).Check(Rule::kDigits).Message({0, message}).EmptyAsZero()
        .Unit(hintId, {0, hint});
}

// Box order is send and query order.
constexpr ParamRow kRows[] = {
    Text(Self::kPhoneReadId, Self::kPhoneId, 0, {0, L"终端手机号"}, 20)
        .Empty(EmptySends::kEmptyItem),
    Choose(0xF001, 1, L"超长待机设备上报模式", kModes),
    Seconds(Num32(0xF002, Self::kFixedIntervalId, 2, {0, L"超长待机设备固定上报模式"}),
            4294967295LL, L"超长待机设备固定上报模式的值无效!", 4603,
            L"(0-4294967295)单位秒"),
    Seconds(Num16(0xF003, Self::kStandbyIntervalId, 3,
                  {0, L"超长待机设备震动检测模式待机状态定时上报间隔"}),
            65535, L"超长待机设备震动检测模式待机状态定时上报间隔的值无效!", 4605,
            L"(0-65535)单位秒"),
    Seconds(Num16(0xF004, Self::kVibrationIntervalId, 4,
                  {0, L"超长待机设备震动模式触发震动后定时上报间隔"}),
            65535, L"超长待机设备震动模式触发震动后定时上报间隔的值无效!", 4607,
            L"(0-65535)单位秒"),
    Choose(0xF005, 5, L"终端自动管制开关", kAuto),
    Choose(0xF006, 6, L"SIM 卡异常管制", kSim),
    Choose(0xF007, 7, L"人脸抓拍摄像头异常管制", kCamera),
    Choose(0xF008, 8, L"超速管制", kOverspeed),
};

constexpr PageModel kModel{.templateId = Self::kTemplateId,
                           .title = {0, L"终端参数扩展"},
                           .groupCount = Self::kGroups,
                           .rows = kRows,
                           .columns = {.label = 300, .control = 110, .unit = 170},
                           .sentLog = "DevParamXinJiang"};

}  // namespace

CDlgDevParamXjSetup::CDlgDevParamXjSetup() : CDlgTablePage(kModel) {}

uint32_t CDlgDevParamXjSetup::WriteId(const ParamRow& row) const {
    return row.id == kPhoneReadId ? kPhoneWriteId : row.id;
}

// A mode or switch value no button stands for shows the row's first button (and is sent so).
bool CDlgDevParamXjSetup::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.kind != RowKind::kRadio) return false;
    const auto value = static_cast<uint32_t>(ReadRowNumber(row, item));
    const bool known = std::any_of(row.choices.begin(), row.choices.end(),
                                   [value](const Choice& c) { return c.value == value; });
    SetRowNumber(row, known ? value : row.choices.front().value);
    return true;
}

}  // namespace mdvr
