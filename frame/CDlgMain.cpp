#include "frame/CDlgMain.h"

#include "controls/Scaling.h"
#include "host/CConfigTesselINI.h"
#include "pages/CfgMessages.h"
#include "protocol/HostCallbacks.h"
#include "text/CLanguage.h"
#include "ui/PhaseClock.h"

namespace mdvr {

namespace {

using ui::Caption;
using ui::ControlDecl;
using ui::ControlKind;

constexpr int kStrGet = 16600;
constexpr int kStrSet = 16601;
constexpr int kStrGetPage = 16606;
constexpr int kStrMultiSet = 16607;
constexpr int kStrSelectAll = 11010;
constexpr int kStrHint = 11009;
constexpr int kSettingExtParams = 1100;
constexpr int kSettingRegionParams = 1103;
constexpr int kSettingPassengers = 1108;

constexpr int kTabWidth = 120;
constexpr int kTabHeight = 30;
constexpr int kStatusWidth = 236;  // right of the pages, at 96 DPI
constexpr int kBelowHint = 40;     // room under the hint for the action row, at 96 DPI
constexpr int kRowGap = 5;
constexpr int kRowBottom = 12;
constexpr wchar_t kTabImage[] = L"playback_tab_config.jpg";
constexpr wchar_t kTabImageOver[] = L"playback_tab_config_over.jpg";

constexpr ControlDecl kControls[] = {
    {CDlgMain::kSetId, ControlKind::Button, {kStrSet}, ui::kStyleSkinned, {0, 0, 100, 28}},
    {CDlgMain::kGetId, ControlKind::Button, {kStrGet}, ui::kStyleSkinned, {0, 0, 100, 28}},
    {CDlgMain::kGetPageId, ControlKind::Button, {kStrGetPage}, ui::kStyleSkinned, {0, 0, 130, 28}},
    {CDlgMain::kMultiSetId,
     ControlKind::Button,
     {kStrMultiSet},
     ui::kStyleSkinned | ui::kStyleHidden,
     {0, 0, 130, 28}},
    {CDlgMain::kSelectAllId,
     ControlKind::CheckBox,
     {kStrSelectAll},
     ui::kStyleManualCheck,
     {0, 0, 80, 28}},
    {CDlgMain::kHintId,
     ControlKind::Static,
     {kStrHint},
     ui::kStyleBlueText | ui::kStyleTransparent,
     {0, 0, 600, 18}},
};

constexpr ui::DialogDecl kDecl{CDlgMain::kTemplateId, {}, 1000, 670, kControls};

}  // namespace

CDlgMain::CDlgMain(CPageFactory& factory) : CDlgChildBase(kDecl), m_factory(factory) {
    Attach(kSetId, m_setButton);
    Attach(kGetId, m_getButton);
    Attach(kGetPageId, m_getPageButton);
    Attach(kMultiSetId, m_multiSetButton);
    Attach(kSelectAllId, m_selectAll);
    for (int number = 1; number <= kPageCount; ++number) {
        Attach(kPageCommandBase + number, TabButton(kPageCommandBase + number));
    }
}

CDlgMain::~CDlgMain() {
    Destroy();  // while this class's OnDestroy still runs
}

std::wstring CDlgMain::PageTitle(int page) {
    return mdvr::PageTitle(page);
}

CDlgMain::PageSet CDlgMain::VisiblePages(const DeviceProfile& profile,
                                         const HostSwitches& switches) {
    PageSet pages;
    for (const PageInfo& page : PageTable()) {
        if (page.offered(profile, switches)) pages.set(static_cast<size_t>(page.number));
    }
    return pages;
}

CDlgMain::HostSwitches CDlgMain::ReadHostSwitches() {
    const CConfigTesselINI& settings = CConfigTesselINI::Instance();
    return {settings.ReadIniInt(kSettingExtParams) != 0,
            settings.ReadIniInt(kSettingRegionParams) != 0,
            settings.ReadIniInt(kSettingPassengers) != 0};
}

bool CDlgMain::IsPageVisible(int page) const {
    auto it = m_pages.find(kPageCommandBase + page);
    return it != m_pages.end() && it->second.visible;
}

CDlgCfgBase* CDlgMain::Page(int page) const {
    auto it = m_pages.find(kPageCommandBase + page);
    return it != m_pages.end() ? it->second.page.get() : nullptr;
}

// --- creation and initialisation ---

bool CDlgMain::OnInitDialog() {
    CDlgChildBase::OnInitDialog();
    CreateStatus();
    CreatePageButtons();
    if (!m_pages.empty()) View().SetBackground(Theme().m_dwRGBDlgLeft);
    SetCaptions();
    RefreshPages();
    Layout(true);
    return true;
}

void CDlgMain::CreateStatus() {
    m_status = std::make_unique<CDlgStatus>(&CDlgMain::PageTitle);
    if (!m_status->Create(this)) {
        m_status.reset();
        return;
    }
    m_status->View().ShowWindow(true);
}

void CDlgMain::CreatePageButtons() {
    for (int number = 1; number <= kPageCount; ++number) {
        const int id = kPageCommandBase + number;
        const ControlDecl decl{id,
                               ControlKind::Button,
                               FindPage(number)->title,
                               ui::kStyleSkinned,
                               {1, 1, kTabWidth, kTabHeight}};
        if (!View().AddControl(decl)) continue;
        TabButton(id).Setup({kTabImage, kTabImageOver, {}, {}}, true);
        m_pages[id] = PageEntry{number, nullptr, false};
    }
}

void CDlgMain::SetCaptions() {
    CLanguage& language = CLanguage::Instance();
    for (CCxButton* button : {&m_setButton, &m_getButton}) button->Setup({}, true);
    m_getPageButton.Setup({}, true);
    m_multiSetButton.Setup({}, true);
    m_setButton.SetText(language.GetText(kStrSet));
    m_getButton.SetText(language.GetText(kStrGet));
    m_getPageButton.SetText(language.GetText(kStrGetPage));
    m_multiSetButton.SetText(language.GetText(kStrMultiSet));
    View().SetText(kSelectAllId, language.GetText(kStrSelectAll));
    View().SetText(kHintId, language.GetText(kStrHint));
    View().Show(kMultiSetId, TheHostCallbacks().multiSetFunc != nullptr);
    m_selectAll.SetCheck(1);
}

// --- pages ---

void CDlgMain::RefreshPages() {
    if (!IsCreated()) return;
    const PageSet visible = VisiblePages(TheDeviceProfile(), ReadHostSwitches());
    for (auto& [id, entry] : m_pages)
        entry.visible = visible.test(static_cast<size_t>(entry.number));
    Layout(false);
    for (auto& [id, entry] : m_pages) {
        View().Show(id, entry.visible);
        if (entry.page) entry.page->SetProfileChanged(true);
    }
    auto current = m_pages.find(m_current);
    const bool keep = current != m_pages.end() && current->second.visible;
    SelectPage(keep ? m_current : kPageCommandBase + 1, true);
}

void CDlgMain::SelectPage(int commandId, bool load) {
    if (!IsCreated()) return;
    // The page shown already stays: hiding and showing it would only repaint it.
    if (PageEntry* old = CurrentEntry(); old != nullptr && old->page && m_current != commandId) {
        MarkSelected(m_current, false);
        old->page->View().ShowWindow(false);
    }
    m_current = commandId;
    auto it = m_pages.find(commandId);
    if (it == m_pages.end()) return;
    PageEntry& entry = it->second;
    if (!entry.page && !CreatePage(entry)) entry.page.reset();
    if (entry.page) ShowEntry(entry);
    if (load) {
        GetParams();
    } else if (entry.page) {
        const ui::PhaseClock::Scope phase(ui::Phase::kLoad);
        entry.page->LoadParams(false);
    }
}

bool CDlgMain::CreatePage(PageEntry& entry) {
    const ui::PhaseClock::Lap lap;
    entry.page = m_factory.Make(entry.number);
    // Made hidden: shown once, in its place, by the selection.
    if (!entry.page || !entry.page->Create(this, false)) return false;
    entry.page->View().MoveWindow(m_pageRect);
    return true;
}

void CDlgMain::ShowEntry(PageEntry& entry) {
    MarkSelected(m_current, true);
    if (entry.page->ProfileChanged()) {
        entry.page->SetProfileChanged(false);
        entry.page->ApplyDeviceProfile();
    }
    entry.page->View().ShowWindow(true);
    m_selectAll.SetCheck(entry.page->AllGroupsState() ? 1 : 0);
}

size_t CDlgMain::TabIndex(int commandId) {
    return static_cast<size_t>(commandId - kPageCommandBase - 1);
}

// The selected page's button keeps its hover look.
void CDlgMain::MarkSelected(int commandId, bool selected) {
    if (m_pages.count(commandId) == 0) return;
    const wchar_t* normal = selected ? kTabImageOver : kTabImage;
    TabButton(commandId).SetImages(normal, kTabImageOver, {}, {});
}

CDlgMain::PageEntry* CDlgMain::CurrentEntry() {
    auto it = m_pages.find(m_current);
    return it != m_pages.end() ? &it->second : nullptr;
}

CDlgCfgBase* CDlgMain::CurrentPage() {
    PageEntry* entry = CurrentEntry();
    return entry != nullptr ? entry->page.get() : nullptr;
}

// --- commands ---

void CDlgMain::Notify(uint32_t message, intptr_t page, bool result) {
    if (m_status) m_status->OnOperation(message, page, result ? 1 : 0);
}

bool CDlgMain::GetParams() {
    const ui::PhaseClock::Scope phase(ui::Phase::kLoad);
    Notify(WM_CFG_GET_BEGIN, kAllPages, false);
    CDlgCfgBase* page = CurrentPage();
    const bool ok = page != nullptr && page->LoadParams(true);
    Notify(WM_CFG_GET_END, kAllPages, ok);
    return ok;
}

bool CDlgMain::GetPageParams() {
    const intptr_t number = m_current - kPageCommandBase;
    Notify(WM_CFG_GET_BEGIN, number, false);
    CDlgCfgBase* page = CurrentPage();
    bool ok = false;
    if (page != nullptr) {
        page->SetQuerySpecific(true);
        ok = page->LoadParams(true);
        page->SetQuerySpecific(false);
    }
    Notify(WM_CFG_GET_END, number, ok);
    return ok;
}

bool CDlgMain::SetParams(bool multi) {
    const intptr_t number = m_current - kPageCommandBase;
    Notify(multi ? WM_CFG_MULTISET_BEGIN : WM_CFG_SET_BEGIN, number, false);
    CDlgCfgBase* page = CurrentPage();
    const bool ok = page != nullptr && page->SaveParams(multi);
    Notify(multi ? WM_CFG_MULTISET_END : WM_CFG_SET_END, number, ok);
    return ok;
}

void CDlgMain::SelectAll() {
    if (CDlgCfgBase* page = CurrentPage()) page->SetAllGroups(m_selectAll.GetCheck() != 0);
}

bool CDlgMain::OnNotify(const ui::Notification& n) {
    if (n.event != ui::Event::Click) return CDlgChildBase::OnNotify(n);
    switch (n.id) {
        case kGetId:
            GetParams();
            return true;
        case kSetId:
            SetParams(false);
            return true;
        case kGetPageId:
            GetPageParams();
            return true;
        case kMultiSetId:
            SetParams(true);
            return true;
        case kSelectAllId:
            SelectAll();
            return true;
        default:
            break;
    }
    if (m_pages.count(n.id) == 0) return CDlgChildBase::OnNotify(n);
    SelectPage(n.id, false);
    return true;
}

// --- layout ---

void CDlgMain::OnSize(int /*width*/, int /*height*/) {
    Layout(true);
}

void CDlgMain::Layout(bool full) {
    if (!View().Has(kHintId) || m_pages.empty()) return;
    const ui::PhaseClock::Scope phase(ui::Phase::kLayout);
    const ui::Rect first = View().GetRect(m_pages.begin()->first);
    const ui::Point client = View().ClientSize();
    ComputePageRect(client, {first.w, first.h});
    StackButtons(first.h, full);
    if (m_status) {
        const int right = m_pageRect.Right();
        m_status->View().MoveWindow({right + 1, m_pageRect.y, client.x - right - 2, m_pageRect.h});
    }
    if (!full) return;
    if (View().Has(kGetId) && View().Has(kSetId)) PlaceHint();
    PlaceActionRow(client);
}

void CDlgMain::ComputePageRect(ui::Point client, ui::Point button) {
    const int left = button.x + 1;
    const int top = 1;
    const int right = client.x - ScaleFull(kStatusWidth);
    const int bottom = client.y - View().GetRect(kHintId).h - ScaleFull(kBelowHint);
    m_pageRect = {left, top, right - left, bottom - top};
}

void CDlgMain::StackButtons(int buttonHeight, bool full) {
    int y = 1;
    for (auto& [id, entry] : m_pages) {
        if (full && entry.page) entry.page->View().MoveWindow(m_pageRect);
        if (!entry.visible) continue;
        ui::Rect rect = View().GetRect(id);
        View().Move(id, {1, y, rect.w, rect.h});
        y += buttonHeight + 1;
    }
}

void CDlgMain::PlaceHint() {
    const ui::Rect hint = View().GetRect(kHintId);
    View().Move(kHintId, {m_pageRect.x, m_pageRect.Bottom() + 1, m_pageRect.w, hint.h});
}

// Select-all, set, get, get-page and multi-set, centred; the hidden multi-set keeps its place.
void CDlgMain::PlaceActionRow(ui::Point client) {
    constexpr int kRow[] = {kSelectAllId, kSetId, kGetId, kGetPageId, kMultiSetId};
    int total = -kRowGap;
    for (int id : kRow) total += View().GetRect(id).w + kRowGap;
    if (total > client.x) return;
    int x = (client.x - total) / 2;
    for (int id : kRow) {
        const ui::Rect rect = View().GetRect(id);
        View().Move(id, {x, client.y - kRowBottom - rect.h, rect.w, rect.h});
        x += rect.w + kRowGap;
    }
}

// --- destruction ---

void CDlgMain::OnDestroy() {
    if (m_status) m_status->Destroy();
    m_status.reset();
    for (auto& [id, entry] : m_pages) {
        View().RemoveControl(id);
        if (entry.page) entry.page->Destroy();
        entry.page.reset();
    }
    m_pages.clear();
    m_current = 0;
}

}  // namespace mdvr
