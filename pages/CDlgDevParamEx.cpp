#include "pages/CDlgDevParamEx.h"

#include "controls/EditNumber.h"

#include "pagebase/BcdTime.h"
#include "pagebase/RowCodec.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using Self = CDlgDevParamEx;

// The alarm words show as the signed numbers the terminal's tools use; typed values are taken
// up to 4294967295, as the popup would give them.
constexpr ParamRow Word(uint32_t id, int index, int caption) {
    return Num32(id, Self::kFirstMaskId + index, index, {caption})
        .Range(INT32_MIN, UINT32_MAX)
        .Check(Rule::kRange)
        .EmptyAsZero()
        .Mask(Self::kFirstMaskButtonId + index, 1, true);
}

constexpr ParamRow Choose(uint32_t id, int group, const wchar_t* caption,
                          std::span<const Choice> buttons) {
    return Radio(id, Wire::kU8, group, {0, caption}, buttons).Initial(buttons.front().value);
}

// A number checked against the byte width it travels in.
constexpr ParamRow Amount(ParamRow row, int64_t high, const wchar_t* message, int hintId,
                          const wchar_t* hint) {
    return row.Range(0, high).Check(Rule::kDigits).Message({0, message}).EmptyAsZero()
        .Unit(hintId, {0, hint});
}

constexpr Choice kVehicleTypes[] = {{0, {0, L"渣土车"}, Self::kVehicleTypeId},
                                    {1, {0, L"泥罐车"}, Self::kVehicleTypeId + 1}};
constexpr Choice kMaintenance[] = {{0, {0, L"正常模式"}, Self::kMaintenanceId},
                                   {1, {0, L"维护模式"}, Self::kMaintenanceId + 1}};
constexpr Choice kLock[] = {{0, {0, L"未锁定"}, Self::kLockId},
                            {1, {0, L"车辆锁定"}, Self::kLockId + 1}};
constexpr Choice kLift[] = {{0, {0, L"允许举升"}, Self::kLiftId},
                            {1, {0, L"限制举升"}, Self::kLiftId + 1}};
constexpr Choice kDetection[] = {{0, {0, L"AD"}, Self::kDetectionId},
                                 {1, {0, L"ECU"}, Self::kDetectionId + 1},
                                 {2, {0, L"视频识别"}, Self::kDetectionId + 2},
                                 {3, {0, L"其他"}, Self::kDetectionId + 3}};
constexpr Choice kCanReport[] = {{0, {0, L"不上报"}, Self::kCanReportId},
                                 {1, {0, L"上报一次"}, Self::kCanReportId + 1},
                                 {2, {0, L"定时上报"}, Self::kCanReportId + 2}};
constexpr Choice kActivateLock[] = {{0, {0, L"关闭激活"}, Self::kActivateLockId},
                                    {1, {0, L"激活"}, Self::kActivateLockId + 1}};
constexpr Choice kDriverCheck[] = {{0, {0, L"关闭"}, Self::kDriverCheckId},
                                   {1, {0, L"使能"}, Self::kDriverCheckId + 1}};

// Box order is send and query order.
constexpr ParamRow kRows[] = {
    Word(0xF800, 0, 12003),
    Word(0xF801, 1, 12004),
    Word(0xF802, 2, 12005),
    Word(0xF003, 3, 12006),
    Word(0xF004, 4, 12007),
    Choose(0xFF00, 5, L"车辆类型", kVehicleTypes),
    Choose(0xFF01, 6, L"维护模式", kMaintenance),
    Amount(Num8(0xFF02, Self::kSpeedLimitId, 7, {0, L"车辆限速"}), 255, L"车辆限速的值无效!",
           4531, L"0：不限速，1～255：限速 km/h"),
    Choose(0xFF03, 8, L"车辆锁定", kLock),
    Choose(0xFF04, 9, L"举升限制", kLift),
    Choose(0xFF06, 10, L"空重车监测", kDetection),
    Amount(Num16(0xFF0C, Self::kLoadId, 11, {0, L"核定载重量"}), 65535, L"核定载重量的值无效!",
           4533, L"单位：0.1T，0～65535"),
    Amount(Num8(0xFF0F, Self::kThresholdId, 12, {0, L"重车超速阀值"}), 255,
           L"重车超速阀值的值无效!", 4535, L"单位：0.1T，0～255"),
    Choose(0xFF10, 13, L"CAN 总线数据上报", kCanReport),
    Time(0xFF11, Wire::kBcdDate, Self::kValidityId, 14, {0, L"运营证有效期"})
        .Format(L"yyyy'-'MM'-'dd")
        .Width(110)
        .Unit(Self::kValidityNoteId, {}),
    Choose(0xF803, 15, L"激活锁车", kActivateLock),
    Choose(0xF804, 16, L"驾驶员身份验证", kDriverCheck),
};

constexpr PageModel kModel{.templateId = Self::kTemplateId,
                           .title = {0, L"参数扩展"},
                           .groupCount = Self::kGroups,
                           .rows = kRows,
                           .columns = {.label = 170, .control = 100, .unit = 240},
                           .batchKind = Self::kBatchKind,
                           .sentLog = "DevParamEx"};

}  // namespace

CDlgDevParamEx::CDlgDevParamEx() : CDlgTablePage(kModel) {}

// The picker starts at today on every platform, as the Windows picker does.
bool CDlgDevParamEx::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    View().SetTime(kValidityId, LocalNow());
    return true;
}

bool CDlgDevParamEx::OnNotify(const ui::Notification& n) {
    if (n.event == ui::Event::TimeChange && n.id == kValidityId && m_keptDate) {
        m_keptDate.reset();
        View().SetText(kValidityNoteId, L"");
    }
    return CDlgTablePage::OnNotify(n);
}

bool CDlgDevParamEx::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.wire == Wire::kBcdDate) {
        DecodeValidity(row, item);
        return true;
    }
    if (row.maskButton == 0) return false;
    const auto word = static_cast<uint32_t>(ReadRowNumber(row, item));
    SetRowNumber(row, static_cast<int32_t>(word));
    return true;
}

void CDlgDevParamEx::DecodeValidity(const ParamRow& row, const ParamItemView& item) {
    if (!IsCreated()) return;
    ui::DateTime date = View().GetTime(row.control);
    if (ReadRowDate(item, date)) {
        View().SetTime(row.control, date);
        m_keptDate.reset();
        View().SetText(kValidityNoteId, L"");
        return;
    }
    m_keptDate = std::array<uint8_t, 3>{item.At(0), item.At(1), item.At(2)};
    ShowKeptDate();
}

// The operator sees the bytes the terminal holds and that a save leaves them alone.
void CDlgDevParamEx::ShowKeptDate() {
    std::wstring text = CLanguage::Instance().GetText(kStrKeptDate);
    for (uint8_t byte : *m_keptDate) text += L" " + HexByte(byte);
    View().SetText(kValidityNoteId, text);
}

bool CDlgDevParamEx::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.wire != Wire::kBcdDate || !m_keptDate) return false;
    writer.AppendBytes(WriteId(row), *m_keptDate);
    return true;
}

}  // namespace mdvr
