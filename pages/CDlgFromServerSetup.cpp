#include "pages/CDlgFromServerSetup.h"

namespace mdvr {

namespace {

constexpr ParamRow kRows[] = {
    Heading(4610, {17004}),
    Text(0x0023, CDlgFromServerSetup::kApnId, 0, {17015}, 30).Ascii(),
    Text(0x0024, CDlgFromServerSetup::kUserId, 1, {17016}, 30).Ascii(),
    Text(0x0025, CDlgFromServerSetup::kPasswordId, 2, {17017}, 30).Ascii(),
    // An empty address is sent as an empty item: the terminal forgets the server. Terminals
    // below protocol level 1 take only plain host names and dotted addresses.
    Text(0x0026, CDlgFromServerSetup::kAddressId, 3, {17018}, 255)
        .Ascii()
        .Check(Rule::kHost)
        .RuleText(15016)
        .RuleBelowLevel1()
        .Empty(EmptySends::kEmptyItem)
        .Width(260),
};

constexpr PageModel kModel{.templateId = CDlgFromServerSetup::kTemplateId,
                         .title = {14009},
                         .groupCount = CDlgFromServerSetup::kGroups,
                         .rows = kRows,
                         .columns = {.label = 220, .control = 200, .unit = 100},
                         .batchKind = 0x55};

}  // namespace

CDlgFromServerSetup::CDlgFromServerSetup() : CDlgTablePage(kModel) {}

}  // namespace mdvr
