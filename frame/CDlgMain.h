#pragma once
// The configuration window the host embeds: a column of page buttons, the selected page, the
// status panel and a row of action buttons. Pages are made on first selection and live until
// the window is destroyed; which pages are offered follows the device and the host's settings.
#include <array>
#include <bitset>
#include <map>
#include <memory>
#include <string>

#include "controls/CCxButton.h"
#include "controls/CCxLongTextButton.h"
#include "controls/CDlgChildBase.h"
#include "controls/CGuiCheckBox.h"
#include "pagebase/CDlgCfgBase.h"
#include "frame/CPageFactory.h"
#include "frame/PageTable.h"
#include "pages/CDlgStatus.h"
#include "protocol/DeviceProfile.h"

namespace mdvr {

class CDlgMain : public CDlgChildBase {
  public:
    static constexpr int kTemplateId = 1000;
    static constexpr int kGetId = 1002;
    static constexpr int kSetId = 1003;
    static constexpr int kGetPageId = 1004;
    static constexpr int kMultiSetId = 1005;
    static constexpr int kHintId = 4281;
    static constexpr int kSelectAllId = 4304;
    static constexpr int kPageCommandBase = 3000;  // page n has command ID 3000 + n
    static constexpr int kPageCount = mdvr::kPageCount;

    using HostSwitches = mdvr::HostSwitches;
    using PageSet = std::bitset<kPageCount + 1>;  // bit n = page n

    explicit CDlgMain(CPageFactory& factory = CPageFactory::Instance());
    ~CDlgMain() override;

    static std::wstring PageTitle(int page);
    static PageSet VisiblePages(const DeviceProfile& profile, const HostSwitches& switches);
    static HostSwitches ReadHostSwitches();

    // Re-decides the visible pages and reloads the current page (page 1 when it went away).
    void RefreshPages();
    void SelectPage(int commandId, bool load);

    // The commands of the action buttons; true when the page's operation succeeded.
    bool GetParams();
    bool GetPageParams();
    bool SetParams(bool multi);

    int CurrentCommand() const { return m_current; }
    bool IsPageVisible(int page) const;
    CDlgCfgBase* Page(int page) const;
    CDlgStatus* Status() const { return m_status.get(); }
    ui::Rect PageRect() const { return m_pageRect; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(const ui::Notification& n) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;

  private:
    struct PageEntry {
        int number = 0;
        std::unique_ptr<CDlgCfgBase> page;
        bool visible = false;
    };

    void CreateStatus();
    void CreatePageButtons();
    void SetCaptions();
    CCxButton& TabButton(int commandId) { return m_tabButtons[TabIndex(commandId)]; }
    static size_t TabIndex(int commandId);
    void MarkSelected(int commandId, bool selected);
    PageEntry* CurrentEntry();
    CDlgCfgBase* CurrentPage();
    bool CreatePage(PageEntry& entry);
    void ShowEntry(PageEntry& entry);
    void Notify(uint32_t message, intptr_t page, bool result);
    bool RunSave(bool multi);
    void SelectAll();

    void Layout(bool full);
    void ComputePageRect(ui::Point client, ui::Point button);
    void StackButtons(int buttonHeight, bool full);
    void PlaceHint();
    void PlaceActionRow(ui::Point client);

    CPageFactory& m_factory;
    CCxButton m_setButton;
    CCxButton m_getButton;
    CCxLongTextButton m_getPageButton;
    CCxLongTextButton m_multiSetButton;
    CGuiCheckBox m_selectAll;
    std::array<CCxButton, kPageCount> m_tabButtons;
    std::map<int, PageEntry> m_pages;  // by command ID
    int m_current = 0;
    std::unique_ptr<CDlgStatus> m_status;
    ui::Rect m_pageRect;
};

}  // namespace mdvr
