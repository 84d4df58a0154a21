#include "pages/CDlgNumPeople.h"

namespace mdvr {

namespace {

constexpr ParamRow kRows[] = {
    Num16(0xF700, CDlgNumPeople::kCapacityId, -1, {0, L"核载人数"}).Label(4283).AtWidth()
        .Range(0, 65535).Check(Rule::kDigits).Unit(4285, {0, L"(0~65535)"}),
};

constexpr PageModel kModel{.templateId = CDlgNumPeople::kTemplateId,
                         .title = {0, L"核载人数"},
                         .rows = kRows,
                         .columns = {.label = 120, .control = 100, .unit = 100}};

}  // namespace

CDlgNumPeople::CDlgNumPeople() : CDlgTablePage(kModel) {}

void CDlgNumPeople::BuildQueryList(std::span<uint8_t> /*list*/, uint32_t* /*length*/) {}

// An emptied field is a slip, not a capacity of 0.
bool CDlgNumPeople::ValidateRow(const ParamRow& row) {
    if (!Snapshot(row).empty()) return true;
    ShowRowMessage(row);
    return false;
}

}  // namespace mdvr
