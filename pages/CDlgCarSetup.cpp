#include "pages/CDlgCarSetup.h"

#include "protocol/DeviceProfile.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr Caption kSeconds{12015};
constexpr Caption kMetres{12028};
constexpr Caption kDegrees{16305};
constexpr uint32_t kOdometer = 0x0080;
constexpr uint32_t kNoButton = 0xFFFFFFFF;
constexpr int kOverspeedMarginBox = 18;
constexpr int kFatigueMarginBox = 19;

// A count the operator types as digits only, up to nine of them.
constexpr ParamRow Digits(uint32_t id, int edit, int group, Caption caption) {
    return Num32(id, edit, group, caption).Limit(9).Check(Rule::kDigits);
}

constexpr Choice kStrategies[] = {{0, {12087}, CDlgCarSetup::kStrategyId},
                                  {1, {12088}, CDlgCarSetup::kStrategyId + 1},
                                  {2, {12089}, CDlgCarSetup::kStrategyId + 2}};
constexpr Choice kSchemes[] = {{0, {12091}, CDlgCarSetup::kSchemeId},
                               {1, {12092}, CDlgCarSetup::kSchemeId + 1}};

// Box order is send order; the query asks in the terminal's own order below.
constexpr ParamRow kRows[] = {
    Digits(0x0055, CDlgCarSetup::kMaxSpeedId, 0, {16500})
        .Limit(3)
        .Range(0, 300)
        .Unit(4430, {0, L"(km/h)"})
        .Hint(4450, {0, L"(0~300)"}),
    Digits(0x0056, 4401, 1, {16501}).Unit(4431, kSeconds),
    Digits(kOdometer, CDlgCarSetup::kOdometerId, 2, {16502}).Unit(4432, {0, L"(1/10km)"}),
    Heading(4470, {12016}),
    Digits(0x0058, 4403, 3, {12018}).Unit(4433, kSeconds),
    Digits(0x0057, 4404, 4, {12017}).Unit(4434, kSeconds),
    Digits(0x005A, 4405, 5, {12020}).Unit(4435, kSeconds),
    Digits(0x0059, 4406, 6, {12019}).Unit(4436, kSeconds),
    Heading(4471, {12086}),
    // Sent even with no button checked, then as all ones.
    Radio(0x0020, Wire::kU32, 7, {11007}, kStrategies).NoneValue(kNoButton).Stacked().Width(140),
    Heading(4472, {12090}),
    Radio(0x0021, Wire::kU32, 8, {11007}, kSchemes).NoneValue(kNoButton).Stacked().Width(140),
    Heading(4473, {12021}),
    Digits(0x0027, 4409, 9, {12022}).Unit(4439, kSeconds),
    Digits(0x0028, 4410, 10, {12023}).Unit(4440, kSeconds),
    Digits(0x0029, 4411, 11, {12024}).Unit(4441, kSeconds),
    Digits(0x0022, 4412, 12, {16503}).Unit(4442, kSeconds),
    Heading(4474, {12025}),
    Digits(0x002C, 4413, 13, {12026}).Unit(4443, kMetres),
    Digits(0x002D, 4414, 14, {12027}).Unit(4444, kMetres),
    Digits(0x002E, 4415, 15, {12029}).Unit(4445, kMetres),
    Digits(0x002F, 4416, 16, {12030}).Unit(4446, kMetres),
    Heading(4475, {}),
    Digits(0x0030, CDlgCarSetup::kAngleId, 17, {12031})
        .Limit(3)
        .Range(0, 179)
        .Unit(4447, kDegrees)
        .Hint(4457, {0, L"(0~179)"}),
    // The margins travel as 16 bits: larger typed values go as their low bits. The first load
    // checks the margin boxes whose items arrive.
    Num16(0x005B, CDlgCarSetup::kOverspeedMarginId, kOverspeedMarginBox, {12177})
        .Limit(3)
        .Check(Rule::kDigits)
        .CheckOnReceipt()
        .Unit(4448, {0, L"(1/10km)"}),
    Num16(0x005C, CDlgCarSetup::kFatigueMarginId, kFatigueMarginBox, {12178})
        .Limit(9)
        .Check(Rule::kDigits)
        .CheckOnReceipt()
        .Unit(4449, kSeconds),
};

constexpr uint32_t kQueryOrder[] = {0x0055, 0x0056, 0x0080, 0x0057, 0x0058, 0x0059, 0x0020,
                                    0x0021, 0x005A, 0x0027, 0x0028, 0x0029, 0x0022, 0x005B,
                                    0x005C, 0x002C, 0x002D, 0x002E, 0x002F, 0x0030};

constexpr PageModel kModel{.templateId = CDlgCarSetup::kTemplateId,
                         .title = {14005},
                         .groupCount = CDlgCarSetup::kGroups,
                         .rows = kRows,
                         .queryOrder = kQueryOrder,
                         .columns = {.label = 140, .control = 55, .unit = 45},
                         .columnCount = 2};

// These terminals keep their own odometer: the page shows it and never writes it.
bool OdometerLocked() {
    return TheDeviceProfile().HasSubType(29);
}

}  // namespace

CDlgCarSetup::CDlgCarSetup() : CDlgTablePage(kModel) {}

bool CDlgCarSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    SetGroupCheck(kOverspeedMarginBox, false);
    SetGroupCheck(kFatigueMarginBox, false);
    ApplyDeviceProfile();
    return true;
}

void CDlgCarSetup::ApplyDeviceProfile() {
    if (Has(kOdometerId)) View().SetReadOnly(kOdometerId, OdometerLocked());
}

bool CDlgCarSetup::IsRowSent(const ParamRow& row) const {
    return row.id != kOdometer || !OdometerLocked();
}

}  // namespace mdvr
