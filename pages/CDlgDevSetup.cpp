#include "pages/CDlgDevSetup.h"

#include <string>

#include "host/FormatStringMgr.h"
#include "host/IMsgTipPresenter.h"
#include "pagebase/ComboData.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr uint32_t kPlate = 0x0083;
constexpr int kPlateBox = 2;
constexpr int kPlateLimit = 10;
constexpr int kStrPlateQuestion = 11012;
constexpr Caption kSeconds{12015};
constexpr Caption kLinkRange{0, L"(0~999999)"};
constexpr Caption kIdRange{0, L"(0~65535)"};
// JT/T 808 plate colour codes in the order the list offers them.
constexpr int kColourCodes[] = {1, 2, 3, 4, 5, 6, 8, 91, 92, 93, 94, 9};

constexpr ParamRow Link(uint32_t id, int edit, int group, Caption caption) {
    return Num32(id, edit, group, caption).Limit(6).Check(Rule::kDigits);
}

constexpr ParamRow kRows[] = {
    Heading(CDlgDevSetup::kRegistrationFrameId, {}),
    Num16(0x0081, CDlgDevSetup::kProvinceId, 0, {12044})
        .Range(0, 65535)
        .Check(Rule::kDigits)
        .Unit(4710, kIdRange),
    Num16(0x0082, CDlgDevSetup::kCityId, 1, {12045})
        .Range(0, 65535)
        .Check(Rule::kDigits)
        .Unit(4711, kIdRange),
    Text(kPlate, CDlgDevSetup::kPlateId, kPlateBox, {12046}, kPlateLimit)
        .Unit(CDlgDevSetup::kPlateHintId, {})
        .Width(130),
    Combo(0x0084, Wire::kU8, CDlgDevSetup::kPlateColourId, 3, {12047}, {}),
    Heading(4731, {12160}),
    Link(0x0001, CDlgDevSetup::kHeartbeatId, 4, {13000})
        .Unit(4712, kSeconds)
        .Hint(4713, kLinkRange),
    Link(0x0002, 4705, 5, {12161}).Unit(4714, kSeconds).Hint(4715, kLinkRange),
    Link(0x0003, 4706, 6, {12162}).Unit(4717, kLinkRange),
    Link(0x0004, 4707, 7, {12163}).Unit(4718, kSeconds).Hint(4719, kLinkRange),
    Link(0x0005, 4708, 8, {12164}).Unit(4721, kLinkRange),
    Link(0x0006, 4709, 9, {12165}).Unit(4723, kSeconds).Hint(4724, kLinkRange),
    Link(0x0007, 4725, 10, {12166}).Unit(4727, kLinkRange),
};

constexpr PageModel kModel{.templateId = CDlgDevSetup::kTemplateId,
                         .title = {14001},
                         .groupCount = CDlgDevSetup::kGroups,
                         .rows = kRows,
                         .columns = {.label = 200, .control = 130, .unit = 110}};

std::wstring LangText(int id) {
    return CLanguage::Instance().GetText(id);
}

}  // namespace

CDlgDevSetup::CDlgDevSetup() : CDlgTablePage(kModel) {}

bool CDlgDevSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    for (int code : kColourCodes) {
        AddComboEntry(View(), kPlateColourId,
                      FormatStringMgr::GetColorByIndex(code) + L"[" + std::to_wstring(code) + L"]",
                      static_cast<uint32_t>(code));
    }
    View().SetSel(kPlateColourId, 0);
    View().SetText(kRegistrationFrameId, LangText(12032) + LangText(12043));
    View().SetText(kPlateHintId,
                   L"(" + LangText(15013) + std::to_wstring(kPlateLimit) + LangText(15012) + L")");
    return true;
}

// The plate question comes after the province and city checks and before the link rows.
bool CDlgDevSetup::ValidateInput() {
    m_platePending = IsMultiSave();
    if (!CDlgTablePage::ValidateInput()) return false;
    if (m_platePending) AskForPlate();
    return true;
}

bool CDlgDevSetup::ValidateRow(const ParamRow& row) {
    if (m_platePending && row.group >= kPlateBox) AskForPlate();
    return true;
}

// One plate on many vehicles is rarely meant: it goes to all devices only when confirmed.
void CDlgDevSetup::AskForPlate() {
    m_platePending = false;
    m_excludePlate = true;
    if (!IsGroupChecked(kPlateBox)) return;
    if (ShowMsgTipEx(LangText(kStrPlateQuestion), L"", kMsgTipQuestion) == 1)
        m_excludePlate = false;
}

bool CDlgDevSetup::IsRowSent(const ParamRow& row) const {
    return row.id != kPlate || !m_excludePlate;
}

}  // namespace mdvr
