#include "pages/CDlgGnssSetup.h"

#include "pagebase/ComboData.h"
#include "text/CLanguage.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr uint32_t kUploadMode = 0x0094;
constexpr uint32_t kUploadValue = 0x0095;

// JT/T 808 upload modes: store only, by time, by distance, accumulated time, distance, count.
constexpr Choice kUploadModes[] = {{0, {16022}},  {1, {16023}},  {2, {16024}},
                                   {11, {16025}}, {12, {16026}}, {13, {16027}}};
constexpr Choice kBaudRates[] = {{0, {0, L"4800"}},  {1, {0, L"9600"}},  {2, {0, L"19200"}},
                                 {3, {0, L"38400"}}, {4, {0, L"57600"}}, {5, {0, L"115200"}}};
constexpr Choice kOutputRates[] = {{0, {0, L"500ms"}},  {1, {0, L"1000ms"}}, {2, {0, L"2000ms"}},
                                   {3, {0, L"3000ms"}}, {4, {0, L"4000ms"}}};

constexpr ParamRow kRows[] = {
    Heading(4520, {}),
    Combo(kUploadMode, Wire::kU8, CDlgGnssSetup::kUploadModeId, 0, {16017}, kUploadModes)
        .AtWidth().Initial(0),
    Num32(kUploadValue, CDlgGnssSetup::kUploadValueId, 0, {16018}).Signed().EmptyAsZero()
        .Unit(CDlgGnssSetup::kUploadUnitId, {}),
    Heading(4521, {16007}),
    CheckBit(0x0090, Wire::kU8, 4504, 1, {16008}, 0).AtWidth().Width(100),
    CheckBit(0x0090, Wire::kU8, 4505, 1, {16009}, 1).AtWidth().Width(100).SameLine(),
    CheckBit(0x0090, Wire::kU8, 4506, 1, {16010}, 2).AtWidth().Width(100).SameLine(),
    CheckBit(0x0090, Wire::kU8, 4507, 1, {16011}, 3).AtWidth().Width(100).SameLine(),
    Heading(4522, {}),
    Combo(0x0091, Wire::kU8, 4508, 2, {16013}, kBaudRates).AtWidth().Initial(0),
    Combo(0x0092, Wire::kU8, 4509, 3, {16014}, kOutputRates).AtWidth().Initial(1),
    Num32(0x0093, 4510, 4, {16015}).Signed().EmptyAsZero().Unit(4511, {16016}),
};

// Boxes 0 and 1 read "enable" on a line of their own; the others carry their row's caption.
constexpr Caption kGroupCaptions[] = {{11007}, {11007}};

constexpr uint32_t kQueryOrder[] = {0x0090, 0x0091, 0x0092, 0x0093, 0x0094, 0x0095};

constexpr PageModel kModel{.templateId = CDlgGnssSetup::kTemplateId,
                         .title = {14008},
                         .groupCount = CDlgGnssSetup::kGroups,
                         .rows = kRows,
                         .queryOrder = kQueryOrder,
                         .groupCaptions = kGroupCaptions,
                         .columns = {.label = 200, .control = 150, .unit = 150}};

// The unit beside the upload setting follows the mode: time, distance or count.
int UnitTextOf(uint32_t mode) {
    switch (mode) {
        case 1:
        case 11: return 16019;
        case 2:
        case 12: return 16020;
        case 13: return 16021;
        default: return 0;
    }
}

}  // namespace

CDlgGnssSetup::CDlgGnssSetup() : CDlgTablePage(kModel) {}

bool CDlgGnssSetup::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    RefreshUploadMode();
    return true;
}

// A loaded mode brings its unit and enabling along, so the page never shows a stale unit.
void CDlgGnssSetup::ParseItem(const ParamItemView& item) {
    CDlgTablePage::ParseItem(item);
    if (item.Id() == kUploadMode && IsCreated()) RefreshUploadMode();
}

uint32_t CDlgGnssSetup::UploadMode() const {
    return SelectedComboData(View(), kUploadModeId);
}

// Mode 0 stores positions without uploading them: there is no setting to edit.
void CDlgGnssSetup::RefreshUploadMode() {
    const uint32_t mode = UploadMode();
    const int unit = UnitTextOf(mode);
    View().SetText(kUploadUnitId, unit != 0 ? CLanguage::Instance().GetText(unit) : L"");
    View().Enable(kUploadValueId, mode != 0 && IsGroupChecked(0));
}

void CDlgGnssSetup::OnRowChanged(const ParamRow& row) {
    if (row.id == kUploadMode) RefreshUploadMode();
}

bool CDlgGnssSetup::OnNotify(const ui::Notification& n) {
    const bool handled = CDlgTablePage::OnNotify(n);
    if (n.event == ui::Event::Click && n.id == kFirstGroupId) RefreshUploadMode();
    return handled;
}

bool CDlgGnssSetup::EncodeRow(const ParamRow& row, ParamListWriter& writer) {
    if (row.id != kUploadValue || SnapshotNumber(*RowOfId(kUploadMode)) != 0) return false;
    writer.AppendU32(kUploadValue, 0);
    return true;
}

}  // namespace mdvr
