#include "pages/CDlgFirstPage.h"

namespace mdvr {

namespace {

using ui::Caption;

constexpr Caption kSeconds{12015};
constexpr int64_t kWordMax = 4294967295LL;

constexpr ParamRow kRows[] = {
    Num32(0x0050, 4360, 0, {12003}).Range(0, kWordMax).Mask(4280),
    Num32(0x0051, 4361, 1, {12004}).Range(0, kWordMax).Mask(4201),
    Num32(0x0052, 4362, 2, {12005}).Range(0, kWordMax).Mask(4202),
    Num32(0x0053, 4363, 3, {12006}).Range(0, kWordMax).Mask(4203),
    Num32(0x0054, 4364, 4, {12007}).Range(0, kWordMax).Mask(4204),
    Num32(0x0055, 4365, 5, {16500}).Range(0, 300).Unit(4403, {0, L"(0-300)(km/h)"}),
    Num32(0x0056, 4366, 6, {16501}).Range(0, kWordMax).Unit(4404, kSeconds),
    Num32(0x0057, 4367, 7, {12017}).Range(0, kWordMax).Unit(4405, kSeconds),
    Num32(0x0058, 4368, 8, {12018}).Range(0, kWordMax).Unit(4406, kSeconds),
    Num32(0x0059, 4369, 9, {12019}).Range(0, kWordMax).Unit(4407, kSeconds),
    Num32(0x005A, 4370, 10, {12020}).Range(0, kWordMax).Unit(4408, kSeconds),
    Num16(0x005B, 4372, 11, {16200}).Range(0, 65535).Unit(4409, {0, L"(1/10km/h)"}),
    Num16(0x005C, 4374, 12, {16201}).Range(0, 65535).Unit(4410, kSeconds),
    // The collision parameter: time in the low byte, acceleration in the high byte.
    Num16(0x005D, 4376, 13, {16302}).Limit(3).Range(0, 255).Bits(0, 8)
        .Unit(4411, {0, L"(ms)"}),
    Num16(0x005D, 4378, 13, {16303}).Limit(2).Range(0, 79).Bits(8, 8).Label(4414)
        .Unit(4412, {0, L"(0-79)(0.1g)"}),
    Num16(0x005E, 4380, 14, {16304}).Limit(4).Range(0, kWordMax).EmptyAsZero()
        .Unit(4413, {16305}),
};

// The page's own select-all box stays hidden; the main window's does the user's work.
constexpr ui::ControlDecl kExtras[] = {
    {CDlgFirstPage::kSelectAllId, ui::ControlKind::CheckBox, {0, L"全选"}, ui::kStyleHidden,
     {560, 12, 60, 22}},
};

constexpr PageModel kModel{.templateId = CDlgFirstPage::kTemplateId,
                         .title = {11011},
                         .groupCount = CDlgFirstPage::kGroups,
                         .rows = kRows,
                         .extras = kExtras,
                         .columns = {.label = 250, .control = 130, .unit = 110}};

}  // namespace

CDlgFirstPage::CDlgFirstPage() : CDlgTablePage(kModel) {}

bool CDlgFirstPage::OnInitDialog() {
    CDlgTablePage::OnInitDialog();
    View().SetCheck(kSelectAllId, 1);
    return true;
}

bool CDlgFirstPage::OnNotify(const ui::Notification& n) {
    if (n.event != ui::Event::Click || n.id != kSelectAllId) return CDlgTablePage::OnNotify(n);
    // Sets every group without touching the base's all-groups state.
    const bool state = View().GetCheck(kSelectAllId) != 0;
    for (int i = 0; i < kGroups; ++i) SetGroupCheck(i, state);
    return true;
}

}  // namespace mdvr
