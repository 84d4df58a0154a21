// Every registered page's declaration, walked as typed tables: control IDs unique, rows inside
// the page's groups, ranges ordered, and every string ID a page, the main window or the shared
// popups name has a text in each shipped language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include "controls/ControlTexts.h"
#include "frame/CDlgMain.h"
#include "frame/PageTable.h"
#include "pagebase/CDlgAlarmMask.h"
#include "pagebase/CDlgTablePage.h"
#include "pages/CDlgPopupContain.h"
#include "pages/CDlgStatus.h"
#include "pages/CDlgVideoPararmAlone.h"

namespace mdvr::test {
namespace {

namespace fs = std::filesystem;

// The [STRING] keys with a non-empty text.
std::set<int> IdsWithText(const fs::path& file) {
    static const std::regex line(R"(^\xEF?\xBB?\xBF?(\d+)=(.+?)\r?$)");
    std::set<int> ids;
    std::ifstream in(file);
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        if (std::regex_match(text, match, line)) ids.insert(std::stoi(match[1].str()));
    }
    return ids;
}

void AddCaption(std::set<int>& ids, const ui::Caption& caption) {
    if (caption.stringId != 0) ids.insert(caption.stringId);
}

void AddDecl(std::set<int>& ids, const ui::DialogDecl& decl) {
    AddCaption(ids, decl.title);
    for (const ui::ControlDecl& control : decl.controls) AddCaption(ids, control.caption);
}

void AddRows(std::set<int>& ids, const PageModel& model) {
    for (const ui::Caption& caption : model.groupCaptions) AddCaption(ids, caption);
    for (const ParamRow& row : model.rows) {
        AddCaption(ids, row.caption);
        AddCaption(ids, row.unit);
        AddCaption(ids, row.hint);
        AddCaption(ids, row.maskTitle);
        AddCaption(ids, row.fieldName);
        AddCaption(ids, row.message);
        for (const Choice& choice : row.choices) AddCaption(ids, choice.text);
        const bool fixedMessage = row.message.stringId != 0 || row.message.literal != nullptr;
        if (row.rule != Rule::kNone && !fixedMessage) ids.insert(row.ruleTextId);
    }
}

struct MadePage {
    int number;
    std::unique_ptr<CDlgCfgBase> page;
};

std::vector<MadePage> MadePages() {
    std::vector<MadePage> pages;
    for (const PageInfo& info : PageTable()) {
        if (info.make != nullptr) pages.push_back({info.number, info.make()});
    }
    return pages;
}

TEST(PageDeclarations, ControlsAndRowsAreConsistent) {
    for (const MadePage& made : MadePages()) {
        SCOPED_TRACE(made.number);
        std::set<int> controls;
        for (const ui::ControlDecl& control : made.page->Decl().controls) {
            EXPECT_TRUE(controls.insert(control.id).second) << "control " << control.id;
        }
        const auto* table = dynamic_cast<const CDlgTablePage*>(made.page.get());
        if (table == nullptr) continue;
        const PageModel& model = table->Model();
        std::set<int> groupsUsed;
        for (const ParamRow& row : model.rows) {
            EXPECT_LT(row.group, model.groupCount) << "row " << row.id;
            if (row.group >= 0) groupsUsed.insert(row.group);
            EXPECT_LE(row.low, row.high) << "row " << row.id;
            EXPECT_LE(row.shift + row.bits, 8 * static_cast<int>(row.WireWidth()));
            if (row.IsParam() && row.kind != RowKind::kRadio) {
                EXPECT_TRUE(controls.count(row.control)) << "row " << row.id;
            }
        }
        EXPECT_EQ(static_cast<int>(groupsUsed.size()), model.groupCount);
    }
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

// What the user sees of a page fits on it, and no two controls cover each other (frames
// enclose their rows; hidden controls take no room).
TEST(PageDeclarations, LayoutFitsThePageWithoutOverlaps) {
    for (const MadePage& made : MadePages()) {
        SCOPED_TRACE(made.number);
        const ui::DialogDecl& decl = made.page->Decl();
        std::vector<const ui::ControlDecl*> shown;
        for (const ui::ControlDecl& control : decl.controls) {
            if ((control.style & ui::kStyleHidden) != 0) continue;
            EXPECT_GE(control.place.x, 0) << control.id;
            EXPECT_GE(control.place.y, 0) << control.id;
            EXPECT_LE(control.place.Right(), decl.width) << control.id;
            EXPECT_LE(control.place.Bottom(), decl.height) << control.id;
            if (control.kind != ui::ControlKind::GroupBox) shown.push_back(&control);
        }
        for (size_t i = 0; i < shown.size(); ++i) {
            for (size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(Overlap(shown[i]->place, shown[j]->place))
                    << shown[i]->id << " and " << shown[j]->id;
            }
        }
    }
}

TEST(PageDeclarations, EveryNamedStringHasATextInEveryLanguage) {
    std::set<int> ids{CDlgCfgBase::kStrNoGroupChecked, kStrInputErrorTitle, kStrRangePrefix,
                      kStrRejectedChar, CDlgPopupContain::kStrDiscardEdits,
                      CDlgVideoPararmAlone::kStrTooManyChannels};
    for (const PageInfo& info : PageTable()) AddCaption(ids, info.title);
    for (const MadePage& made : MadePages()) {
        AddDecl(ids, made.page->Decl());
        if (const auto* table = dynamic_cast<const CDlgTablePage*>(made.page.get())) {
            AddRows(ids, table->Model());
        }
    }
    AddDecl(ids, CDlgMain().Decl());
    AddDecl(ids, CDlgAlarmMask().Decl());
    AddDecl(ids, CDlgStatus(&CDlgMain::PageTitle).Decl());
    const fs::path lang = fs::path(MDVR_SOURCE_DIR) / "lang";
    for (const char* language : {"zh-CN.ini", "en.ini"}) {
        const std::set<int> texts = IdsWithText(lang / language);
        for (int id : ids) EXPECT_TRUE(texts.count(id)) << language << " lacks " << id;
    }
    EXPECT_EQ(IdsWithText(lang / "zh-CN.ini"), IdsWithText(lang / "en.ini"));
}

}  // namespace
}  // namespace mdvr::test
