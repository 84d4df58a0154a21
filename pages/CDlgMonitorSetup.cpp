#include "pages/CDlgMonitorSetup.h"

#include "pagebase/RowCodec.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;
using Self = CDlgMonitorSetup;

constexpr uint32_t kAnswer = 0x0045;
constexpr uint32_t kQuality = 0x0070;
constexpr int64_t kWordMax = 4294967295LL;
constexpr int kPhoneDigits = 32;

constexpr Choice kAnswerModes[] = {{0, {12060}, Self::kAutoAnswerId},
                                   {1, {12061}, Self::kAccAnswerId}};
constexpr Choice kQualities[] = {{1, {0, L"1"}}, {2, {0, L"2"}}, {3, {0, L"3"}}, {4, {0, L"4"}},
                                 {5, {0, L"5"}}, {6, {0, L"6"}}, {7, {0, L"7"}}, {8, {0, L"8"}},
                                 {9, {0, L"9"}}, {10, {0, L"10"}}};

// Phone numbers: digits only; the length hint beside each is filled in at initialisation.
constexpr ParamRow Phone(uint32_t id, int edit, int group, int caption, int hint) {
    return Text(id, edit, group, {caption}, kPhoneDigits).Style(ui::kStyleDigitsOnly)
        .Unit(hint, {});
}
constexpr ParamRow Seconds(uint32_t id, int edit, int group, int caption, int unit, int hint) {
    return Num32(id, edit, group, {caption}).Range(0, kWordMax).Check(Rule::kDigits)
        .Unit(unit, {12015}).Hint(hint, {16300});
}
constexpr ParamRow Image(uint32_t id, int edit, int group, int caption, int high, int hint) {
    return Num32(id, edit, group, {caption}).Limit(3).Range(0, high).Check(Rule::kDigits)
        .Unit(hint, {0, high == 255 ? L"(0~255)" : L"(0~127)"});
}

// Row order is send order.
constexpr ParamRow kRows[] = {
    Heading(1081, {12059}),
    Radio(kAnswer, Wire::kU32, 0, {11007}, kAnswerModes).Width(180),
    Seconds(0x0046, Self::kCallLimitId, 1, 12062, 1086, 1324),
    Seconds(0x0047, Self::kMonthLimitId, 2, 12063, 1089, 1327),
    Phone(0x0049, 1094, 3, 12065, 1325),
    Phone(0x0048, 1091, 4, 12064, 1326),
    Heading(1090, {12066}),
    Combo(kQuality, Wire::kU32, Self::kQualityId, 5, {12067}, kQualities).Unit(1328, {}),
    Image(0x0071, Self::kBrightnessId, 6, 12068, 255, 1335),
    Image(0x0072, 1104, 7, 12069, 127, 1336),
    Image(0x0073, 1102, 8, 12070, 127, 1337),
    Image(0x0074, 1103, 9, 12071, 255, 1338),
    Heading(1262, {12168}),
    Phone(0x0040, Self::kPlatformPhoneId, 10, 12169, 1330).Check(Rule::kDigits).FieldName({12108}),
    Phone(0x0042, 1260, 11, 12170, 1331).Check(Rule::kDigits).FieldName({12110}),
    Phone(0x0044, 1261, 12, 12171, 1332).Check(Rule::kDigits).FieldName({12112}),
    Phone(0x0043, 1095, 13, 12172, 1333).Check(Rule::kDigits).FieldName({12111}),
    Phone(0x0041, 1257, 14, 12173, 1334).Check(Rule::kDigits).FieldName({12109}),
};

constexpr uint32_t kQueryOrder[] = {0x0045, 0x0046, 0x0047, 0x0048, 0x0049,
                                    0x0070, 0x0071, 0x0072, 0x0073, 0x0074,
                                    0x0040, 0x0042, 0x0044, 0x0043, 0x0041};

constexpr int kPhoneHints[] = {1325, 1326, 1330, 1331, 1332, 1333, 1334};

constexpr PageModel kModel{.templateId = Self::kTemplateId,
                         .title = {14002},
                         .groupCount = Self::kGroups,
                         .rows = kRows,
                         .queryOrder = kQueryOrder,
                         .columns = {.label = 200, .control = 150, .unit = 110}};

std::wstring Str(int id) {
    return CLanguage::Instance().GetText(id);
}

}  // namespace

CDlgMonitorSetup::CDlgMonitorSetup() : CDlgTablePage(kModel) {}

bool CDlgMonitorSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    SetHints();
    return true;
}

void CDlgMonitorSetup::SetHints() {
    const std::wstring phone = L"(" + Str(15013) + L" " + std::to_wstring(kPhoneDigits) + L" " +
                               Str(15012) + L" " + Str(15014) + L")";
    for (int id : kPhoneHints) View().SetText(id, phone);
    View().SetText(1328, L"(1" + Str(15015) + L")");
}

// A strategy no radio stands for leaves the radios alone; a quality outside 1 to 10 leaves
// the combo without a selection.
bool CDlgMonitorSetup::DecodeRow(const ParamRow& row, const ParamItemView& item) {
    if (row.id == kAnswer) {
        m_answer = static_cast<uint32_t>(ReadRowNumber(row, item));
        if (m_answer <= 1) SetRowNumber(row, m_answer);
        return true;
    }
    if (row.id == kQuality && IsCreated()) {
        View().SetSel(row.control, -1);
        SetRowNumber(row, ReadRowNumber(row, item));
        return true;
    }
    return false;
}

bool CDlgMonitorSetup::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kAnswer) return false;
    return writer.AppendU32(kAnswer, m_answer);
}

void CDlgMonitorSetup::OnRowChanged(const ParamRow& row) {
    if (row.id == kAnswer) m_answer = static_cast<uint32_t>(ControlNumber(row));
}

// Call limits must be canonical numbers: 0300 is refused, not read as 300.
bool CDlgMonitorSetup::ValidateRow(const ParamRow& row) {
    if (row.control != kCallLimitId && row.control != kMonthLimitId) return true;
    if (!IsBadUInt32Text(Snapshot(row))) return true;
    ShowRowMessage(row);
    return false;
}

}  // namespace mdvr
