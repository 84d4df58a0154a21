// Every page of the window, run over the whole page table. Its declaration: control IDs unique,
// rows inside the page's groups, the layout on the page without overlaps, and a text in each
// shipped language for every string ID it names. What it owes a terminal: each ID it asks for is
// read when reported (even short, even followed by a foreign item) and goes back on save under
// its group's box, everything it sends it also asks for, and no box checked sends nothing.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "pages/CDlgDevParamEx.h"
#include "pages/CDlgPopupContain.h"
#include "pages/CDlgStatus.h"
#include "pages/CDlgVideoPararmAlone.h"
#include "pages/PageFixture.h"
#include "protocol/ParamListReader.h"
#include "protocol/QueryListReader.h"

namespace mdvr::test {
namespace {

using Ids = std::set<uint32_t>;

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
    std::set<int> ids{CDlgCfgBase::kStrNoGroupChecked,
                      kStrInputErrorTitle,
                      kStrRangePrefix,
                      kStrRejectedChar,
                      CDlgPopupContain::kStrDiscardEdits,
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

// --- what every page owes a terminal ---

Ids SentIds(const Bytes& list) {
    Ids ids;
    ParamListReader reader(list, list.size());
    for (ParamItem item; reader.Next(item);) ids.insert(item.id);
    return ids;
}

Ids QueriedIds(const Bytes& query) {
    Ids ids;
    QueryListReader reader(query, query.size());
    for (uint32_t id = 0; reader.Next(id);) ids.insert(id);
    return ids;
}

// Values some row of every page takes, tried in turn: a host name (first: a server address must
// hold one in every port mode), a number or text, a standard video record, and last a photo
// word, which leaves either photo word valid for the other's save.
const Bytes kValues[] = {
    {'a', '.', 'c', 'n'},
    {'1'},
    {0x00, 0x01, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01, 0x05,
     0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x00, 0x07, 0x01},
    {0x00, 0x0B, 0x01, 0x03},
};

// Devices that between them are offered every page: a JT/T 1078 video terminal of protocol
// level 1 and model 7, then sub-types 24 and 23 of the plain variant.
const DeviceProfile kDevices[] = {
    {0, 0, 6, 3, 1, 7, 0},
    {0, 24, 6, 0, 1, 0, 0},
    {0, 23, 6, 0, 1, 0, 0},
};

// A terminal-reported item that goes back under another ID.
const std::map<uint32_t, uint32_t> kSentUnder = {{0x0085, 0xFF11}};

bool Renamed(uint32_t sent, const Ids& query) {
    return std::any_of(kSentUnder.begin(), kSentUnder.end(),
                       [&](const auto& r) { return r.second == sent && query.count(r.first); });
}

// The server page's centers 2 to 4 are asked for and written under the center shown; their
// own tests follow them.
bool OtherCenter(int page, uint32_t id) {
    return page == 5 && id >= 0xF110;
}

constexpr std::span<const ParamRow> kNoRows;

class AllPages : public AnyPageFixture {
  protected:
    // The page as the first device it is offered to shows it.
    void Make(const PageInfo& info) {
        if (m_page) m_page->Destroy();
        const HostSwitches all{true, true, true};
        const auto offered = [&](const DeviceProfile& d) { return info.offered(d, all); };
        TheDeviceProfile() = *std::find_if(std::begin(kDevices), std::end(kDevices), offered);
        m_page = info.make();
        Open(*m_page);
    }
    Ids Query() { return QueriedIds(QueryList()); }
    // Saves with every box checked but unchecked; empty when nothing was sent.
    Bytes SaveWithout(int unchecked) {
        m_page->SetAllGroups(true);
        if (unchecked >= 0) m_page->SetGroupCheck(unchecked, false);
        const size_t before = TheHostRecord().sets.size();
        m_page->SaveParams(false);
        return TheHostRecord().sets.size() == before ? Bytes{} : TheHostRecord().sets.back();
    }
    // The item alone and short, then a foreign item whose bytes must never be read.
    Bytes Reported(uint32_t id, const Bytes& value) {
        return List({Item(id, value), Item(0xEEEEEEEE, {0xEE, 0xEE, 0xEE, 0xEE})});
    }

    // Reports id with the first value that comes back as sentId; what the last save sent.
    Bytes SendBack(uint32_t id, uint32_t sentId) {
        Bytes sent;
        for (const Bytes& value : kValues) {
            TheHostRecord().fetchReply = Reported(id, value);
            EXPECT_TRUE(m_page->LoadParams(true));
            sent = SaveWithout(-1);
            if (SentIds(sent).count(sentId) != 0) break;
        }
        return sent;
    }

    // sent holds sentId and nothing of the foreign item, asks for all it sends, and exactly one
    // unchecked box keeps the item out (none on a page without boxes).
    void ExpectSentBack(const Bytes& sent, uint32_t sentId, const Ids& query) {
        ASSERT_EQ(SentIds(sent).count(sentId), 1u);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), 0xEE), 0);
        for (uint32_t other : SentIds(sent)) {
            EXPECT_TRUE(query.count(other) || Renamed(other, query)) << std::hex << other;
        }
        int keptOut = 0;
        for (int group = 0; group < m_page->GroupCount(); ++group) {
            keptOut += SentIds(SaveWithout(group)).count(sentId) == 0 ? 1 : 0;
        }
        EXPECT_EQ(keptOut, m_page->GroupCount() == 0 ? 0 : 1);
    }

    std::unique_ptr<CDlgCfgBase> m_page;
};

TEST_F(AllPages, APageThatAsksAtAllAsksForEveryParameterItHasARowFor) {
    for (const PageInfo& info : PageTable()) {
        Make(info);
        const Ids query = Query();
        const auto* table = dynamic_cast<const CDlgTablePage*>(m_page.get());
        for (const ParamRow& row : table && !query.empty() ? table->Model().rows : kNoRows) {
            EXPECT_TRUE(!row.IsParam() || query.count(row.id)) << info.number << std::hex << row.id;
        }
    }
}

TEST_F(AllPages, EveryAskedIdIsReadAndSentBackUnderItsOwnBox) {
    for (const PageInfo& info : PageTable()) {
        Make(info);
        const Ids query = Query();
        // A first round leaves every row a value it takes, so one row's empty field cannot
        // refuse the save of another's.
        for (const bool check : {false, true}) {
            for (uint32_t id : query) {
                if (OtherCenter(info.number, id)) continue;
                SCOPED_TRACE(testing::Message() << "page " << info.number << std::hex << " " << id);
                const auto renamed = kSentUnder.find(id);
                const uint32_t sentId = renamed == kSentUnder.end() ? id : renamed->second;
                const Bytes sent = SendBack(id, sentId);
                if (check) ExpectSentBack(sent, sentId, query);
            }
        }
    }
}

TEST_F(AllPages, NoBoxCheckedSendsNothing) {
    for (const PageInfo& info : PageTable()) {
        Make(info);
        if (m_page->GroupCount() == 0) continue;
        SCOPED_TRACE(info.number);
        m_tips.Clear();
        m_page->SetAllGroups(false);
        EXPECT_FALSE(m_page->SaveParams(false));
        EXPECT_TRUE(TheHostRecord().sets.empty());
        EXPECT_EQ(m_tips.LastText(), L"请至少勾选一项需要设置的参数");
    }
}

// Bit 31 picked in an alarm-mask popup (the 29th row: bits 15 to 17 have no name) shows as the
// page shows that word, draws no range warning, and goes out as the top bit.
TEST_F(AllPages, PopupBit31ShowsAsThePageShowsTheWord) {
    using Ex = CDlgDevParamEx;
    struct Case {
        int page, edit, button, group;
        uint32_t id;
        const wchar_t* shown;
    } cases[] = {
        {1, 4360, 4280, 0, 0x50, L"-2147483647"},
        {7, 1207, 4204, 4, 0x54, L"2147483649"},
        {15, Ex::kFirstMaskId + 2, Ex::kFirstMaskButtonId + 2, 2, 0xF802, L"-2147483647"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Make(*FindPage(c.page));
        ui::DialogDriver page = m_automation.Find(m_page->Decl().templateId);
        page.Type(c.edit, L"1");
        m_automation.OnNextModal([](ui::DialogDriver& popup) {
            EXPECT_EQ(popup.RowCount(CDlgAlarmMask::kListId), 29);
            popup.ClickRow(CDlgAlarmMask::kListId, 28);
            popup.Click(CDlgAlarmMask::kOkId);
        });
        ASSERT_TRUE(page.Click(c.button));
        EXPECT_EQ(page.Text(c.edit), c.shown);
        page.Focus(c.button);
        EXPECT_TRUE(page.Balloons(c.edit).empty());
        m_page->SetAllGroups(false);
        m_page->SetGroupCheck(c.group, true);
        ASSERT_TRUE(m_page->SaveParams(false));
        EXPECT_EQ(TheHostRecord().sets.back(), List({Item(c.id, {0x80, 0, 0, 1})}));
    }
}

// The kind code a multi-device save hands the host, for the device each page is made for.
TEST_F(AllPages, MultiDeviceKindCodes) {
    const uint32_t kinds[kPageCount] = {0,    0,    0,    0,    0,    0x55, 0,    0, 0, 0x55,
                                        0x45, 0x45, 0x45, 0x45, 0x58, 0x2A, 0x58, 0, 0, 0};
    for (const PageInfo& info : PageTable()) {
        Make(info);
        uint32_t kind = 0;
        uint32_t extra = 0;
        m_page->GetBatchKind(&kind, &extra);
        EXPECT_EQ(kind, kinds[info.number - 1]) << info.number;
    }
}

}  // namespace
}  // namespace mdvr::test
