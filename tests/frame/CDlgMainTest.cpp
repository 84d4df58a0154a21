// The main window driven by control IDs through the headless backend: visible pages, the roads of
// a load and a save, the shared cache seen from two pages, failures and the status log.
#include "frame/CDlgMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "host/CHostFile.h"
#include "pages/CDlgCarSetup.h"
#include "pages/CDlgFirstPage.h"
#include "pages/PageFixture.h"
#include "protocol/ParamExchange.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

using Visible = std::vector<int>;

constexpr int kCmd = CDlgMain::kPageCommandBase;
constexpr int kFirstPageTemplate = CDlgFirstPage::kTemplateId;
constexpr int kMaxSpeedEdit = 4365;  // page 1's edit of parameter 0x0055
// Page 4 shows 0x0055 too.
constexpr int kCarTemplate = CDlgCarSetup::kTemplateId;
constexpr int kCarSpeedEdit = CDlgCarSetup::kMaxSpeedId;

int g_gets = 0;
int g_getResult = 1;
int MDVR_CALL CountingGet(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                          void* user) {
    ++g_gets;
    RecordGet(command, request, reply, user);
    return g_getResult;
}

// Every fetch gets a stamp of its own, however fast the test runs.
uint32_t g_tick = 0;
uint32_t NextTick() {
    return ++g_tick;
}

int MDVR_CALL NoMultiSet(MDVR_BatchSetRecord*, MDVR_ParamBuffer*, void*) {
    return 1;
}

// Max speed 0x0055 = 80 and the overspeed duration 0x0056 = 10.
const Bytes kDeviceList = {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 80, 0, 0, 0, 0x56, 4, 0, 0, 0, 10};

class CDlgMainTest : public AnyPageFixture {
  protected:
    void SetUp() override {
        AnyPageFixture::SetUp();
        g_gets = 0;
        g_getResult = 1;
        SetTickSource(&NextTick);
        TheHostCallbacks().getFunc = &CountingGet;
        TheHostRecord().fetchReply = kDeviceList;
        TheDeviceProfile().devType = 6;
        SetHostSettings("");
    }
    void TearDown() override {
        m_main.reset();
        SetTickSource(nullptr);
        AnyPageFixture::TearDown();
    }
    static void SetHostSettings(const std::string& lines) {
        WriteFile("HostSettings.ini", "[Settings]\n" + lines);
        CHostFile::ReloadAll();
    }
    void Open() {
        m_main = std::make_unique<CDlgMain>(m_factory);
        ASSERT_TRUE(m_main->CreateInNative(&Host()));
        m_main->View().ShowWindow(true);
        m_driver = Driver(CDlgMain::kTemplateId);
    }
    Visible ShownButtons() const {
        Visible pages;
        for (int page = 1; page <= CDlgMain::kPageCount; ++page) {
            if (m_driver.Visible(kCmd + page)) pages.push_back(page);
        }
        return pages;
    }
    std::wstring CarSpeed() const { return Driver(kCarTemplate).Text(kCarSpeedEdit); }
    std::wstring Log() const { return m_main->Status()->Log(); }

    CPageFactory m_factory;
    std::unique_ptr<CDlgMain> m_main;
};

// --- which pages are offered ---

struct VisibleCase {
    const char* name;
    DeviceProfile profile;
    CDlgMain::HostSwitches switches;
    Visible extra;  // besides pages 1 to 5 and 7 to 9, always offered
};

TEST(CDlgMainPages, VisiblePagesFollowDeviceAndHostSettings) {
    const CDlgMain::HostSwitches none{};
    const CDlgMain::HostSwitches ext{true, false, false};
    const VisibleCase cases[] = {
        {"plain device", {0, 0, 6, 0, 0, 0, 0}, none, {}},
        {"protocol level 1", {0, 0, 6, 0, 1, 0, 0}, none, {6, 10}},
        {"video variant, sub-type 23, setting 1100",
         {0, 23, 6, 3, 0, 0, 0},
         ext,
         {11, 12, 13, 14, 15}},
        {"video variant without the setting", {0, 23, 6, 3, 0, 0, 0}, none, {11, 12, 13, 14}},
        {"sub-type 23 without video variant", {0, 23, 6, 0, 0, 0, 0}, none, {11, 12, 13, 17}},
        {"sub-type 23 with setting 1100", {0, 23, 6, 0, 0, 0, 0}, ext, {11, 12, 13, 15, 17}},
        {"sub-type 24", {0, 24, 6, 0, 0, 0, 0}, ext, {16}},
        {"video variant, sub-type 24", {0, 24, 6, 3, 0, 0, 0}, none, {11, 12, 13, 14}},
        {"sub-type 24 of another family", {0, 24, 5, 0, 0, 0, 0}, none, {}},
        {"model 10 of any family", {0, 0, 1, 0, 0, 10, 0}, none, {18}},
        {"model 7", {0, 0, 6, 0, 0, 7, 0}, none, {18}},
        {"settings 1103 and 1108", {0, 0, 6, 0, 0, 0, 0}, {false, true, true}, {19, 20}},
    };
    for (const VisibleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CDlgMain::PageSet set = CDlgMain::VisiblePages(c.profile, c.switches);
        Visible pages = {1, 2, 3, 4, 5, 7, 8, 9};
        pages.insert(pages.end(), c.extra.begin(), c.extra.end());
        std::sort(pages.begin(), pages.end());
        for (int page = 0; page <= CDlgMain::kPageCount; ++page) {
            EXPECT_EQ(set.test(static_cast<size_t>(page)),
                      std::binary_search(pages.begin(), pages.end(), page))
                << page;
        }
    }
}

TEST_F(CDlgMainTest, OpeningShowsTheDevicePagesAndLoadsPageOneOnce) {
    TheDeviceProfile().devSubType = 23;
    TheDeviceProfile().protocolType = 3;
    SetHostSettings("1100=1\n");
    Open();
    EXPECT_EQ(ShownButtons(), (Visible{1, 2, 3, 4, 5, 7, 8, 9, 11, 12, 13, 14, 15}));
    EXPECT_EQ(m_driver.Text(kCmd + 1), L"报警及驾驶参数");
    EXPECT_EQ(m_main->CurrentCommand(), kCmd + 1);
    EXPECT_EQ(g_gets, 1);
    EXPECT_EQ(TheHostRecord().lastGetCommand, MDVR_CMD_GET_ALL);
    EXPECT_EQ(Driver(kFirstPageTemplate).Text(kMaxSpeedEdit), L"80");
    EXPECT_EQ(m_main->Page(4), nullptr);  // made on first selection only
    EXPECT_EQ(m_driver.Check(CDlgMain::kSelectAllId), 1);
}

TEST_F(CDlgMainTest, RefreshHidingTheCurrentPageReloadsPageOne) {
    TheDeviceProfile().modelCode = 10;
    Open();
    m_driver.Click(kCmd + 18);  // offered for this model, made on its first selection
    EXPECT_EQ(m_main->CurrentCommand(), kCmd + 18);
    EXPECT_NE(m_main->Page(18), nullptr);
    m_driver.Click(kCmd + 4);

    TheDeviceProfile().modelCode = 0;
    TheDeviceProfile().devSubType = 29;
    m_main->RefreshPages();  // page 4 stays offered: reloaded with force, profile applied
    EXPECT_EQ(m_main->CurrentCommand(), kCmd + 4);
    EXPECT_EQ(g_gets, 2);
    Driver(kCarTemplate).Type(CDlgCarSetup::kOdometerId, L"1");  // sub-type 29 keeps its odometer
    EXPECT_EQ(Driver(kCarTemplate).Text(CDlgCarSetup::kOdometerId), L"");
    EXPECT_FALSE(m_driver.Visible(kCmd + 18));

    TheDeviceProfile().modelCode = 10;
    m_main->RefreshPages();
    m_driver.Click(kCmd + 18);
    TheDeviceProfile().modelCode = 0;
    m_main->RefreshPages();
    EXPECT_EQ(m_main->CurrentCommand(), kCmd + 1);
    EXPECT_TRUE(Driver(kFirstPageTemplate).View()->IsWindowVisible());
    EXPECT_FALSE(Driver(kCarTemplate).View()->IsWindowVisible());
    EXPECT_NE(m_main->Page(4), nullptr);  // a hidden page keeps its object
}

// --- the shared cache seen from two pages ---

TEST_F(CDlgMainTest, SecondPageTakesTheCachedListOnceWithoutAskingTheHost) {
    Open();
    const std::wstring log = Log();
    m_driver.Click(kCmd + 4);
    EXPECT_EQ(g_gets, 1);
    EXPECT_EQ(CarSpeed(), L"80");
    EXPECT_EQ(Log(), log) << "no entries for a load from the cache";

    Driver(kCarTemplate).View()->SetText(kCarSpeedEdit, L"70");
    m_driver.Click(kCmd + 4);  // current page again: nothing new in the cache to read
    EXPECT_EQ(CarSpeed(), L"70");

    TheHostRecord().fetchReply = {1, 0, 0, 0, 0x55, 4, 0, 0, 0, 90};
    m_driver.Click(CDlgMain::kGetId);
    EXPECT_EQ(g_gets, 2);
    EXPECT_EQ(CarSpeed(), L"90");
    m_driver.Click(kCmd + 1);  // page 1 takes the newer list from the cache
    EXPECT_EQ(g_gets, 2);
    EXPECT_EQ(Driver(kFirstPageTemplate).Text(kMaxSpeedEdit), L"90");
}

TEST_F(CDlgMainTest, GetThisPageAsksForThePageIdsOnly) {
    Open();
    m_driver.Click(kCmd + 4);
    TheHostRecord().fetchReply = {1, 0, 0, 0, 0x55, 4, 0, 0, 0, 60};
    m_driver.Click(CDlgMain::kGetPageId);
    EXPECT_EQ(TheHostRecord().lastGetCommand, MDVR_CMD_QUERY);
    EXPECT_EQ(TheHostRecord().lastQuery.size(), 1 + 4 * 20u);
    EXPECT_FALSE(m_main->Page(4)->IsQuerySpecific());
    EXPECT_EQ(CarSpeed(), L"60");
    EXPECT_EQ(Log().substr(Log().find(L"\r\n") + 2, 15), L"获得参数[车辆设置]：成功\r\n");
}

// --- saving ---

TEST_F(CDlgMainTest, SetSendsTheEditedPageByteForByte) {
    Open();
    m_driver.Click(kCmd + 4);
    m_main->Page(4)->SetAllGroups(false);
    m_main->Page(4)->SetGroupCheck(0, true);
    Driver(kCarTemplate).View()->SetText(kCarSpeedEdit, L"261");
    m_driver.Click(CDlgMain::kSetId);
    ASSERT_EQ(TheHostRecord().sets.size(), 1u);
    EXPECT_EQ(TheHostRecord().sets[0], (Bytes{1, 0, 0, 0, 0x55, 4, 0, 0, 0x01, 0x05}));
    EXPECT_NE(Log().find(L"设置参数[车辆设置]：成功\r\n"), std::wstring::npos);
}

TEST_F(CDlgMainTest, SelectAllUnchecksEveryGroupAndNothingIsSent) {
    Open();
    m_driver.Click(kCmd + 4);
    m_driver.Click(CDlgMain::kSelectAllId);
    EXPECT_EQ(m_driver.Check(CDlgMain::kSelectAllId), 0);
    EXPECT_FALSE(Driver(kCarTemplate).Enabled(kCarSpeedEdit));
    m_driver.Click(CDlgMain::kSetId);
    EXPECT_TRUE(TheHostRecord().sets.empty());
    EXPECT_EQ(m_tips.LastText(), L"请至少勾选一项需要设置的参数");
    EXPECT_NE(Log().find(L"设置参数[车辆设置]：失败\r\n"), std::wstring::npos);

    m_driver.Click(kCmd + 1);  // the box follows the page shown
    EXPECT_EQ(m_driver.Check(CDlgMain::kSelectAllId), 1);
    m_driver.Click(kCmd + 4);
    EXPECT_EQ(m_driver.Check(CDlgMain::kSelectAllId), 0);
}

TEST_F(CDlgMainTest, MultiSetButtonOnlyWithTheHostsCallback) {
    Open();
    EXPECT_FALSE(m_driver.Visible(CDlgMain::kMultiSetId));
    m_main.reset();
    TheHostCallbacks().multiSetFunc = &NoMultiSet;
    Open();
    EXPECT_TRUE(m_driver.Visible(CDlgMain::kMultiSetId));
    m_driver.Click(CDlgMain::kMultiSetId);
    EXPECT_NE(Log().find(L"设置到多个设备[报警及驾驶参数]：成功"), std::wstring::npos);
}

// --- failures ---

TEST_F(CDlgMainTest, FailedFetchAndAbsentPageReportFailure) {
    g_getResult = 0;
    Open();
    EXPECT_EQ(Log().find(L"获得参数：失败\r\n", 0), Log().find(L"\r\n") + 2);
    m_main.reset();
    m_factory.Unregister(2);  // a page that fails to create
    Open();
    m_driver.Click(kCmd + 2);
    EXPECT_FALSE(m_main->SetParams(false));
    EXPECT_NE(Log().find(L"设置参数[终端设置]：失败"), std::wstring::npos);
    EXPECT_TRUE(TheHostRecord().sets.empty());
}

// --- layout and destruction ---

TEST_F(CDlgMainTest, LayoutPlacesButtonsPagesStatusHintAndRow) {
    Open();
    const ui::Rect page = m_main->PageRect();
    const ui::Rect first = m_main->View().GetRect(kCmd + 1);
    EXPECT_EQ(first.y, 1);
    EXPECT_EQ(m_main->View().GetRect(kCmd + 7).y, 1 + 5 * (first.h + 1))
        << "page 6 is hidden and takes no place";
    EXPECT_EQ(page.x, first.w + 1);
    EXPECT_EQ(page.w, 1000 - 236 - page.x);
    EXPECT_EQ(page.h, 670 - 18 - 40 - 1);
    const ui::Rect status = m_main->Status()->View().WindowRect();
    EXPECT_EQ(status.x, page.Right() + 1);
    EXPECT_EQ(status.Right(), 1000 - 1);
    const ui::Rect firstPage = Driver(kFirstPageTemplate).View()->WindowRect();
    EXPECT_EQ(firstPage.x, page.x);
    EXPECT_EQ(firstPage.w, page.w);
    EXPECT_EQ(m_main->View().GetRect(CDlgMain::kHintId).y, page.Bottom() + 1);
    const ui::Rect all = m_main->View().GetRect(CDlgMain::kSelectAllId);
    const ui::Rect multi = m_main->View().GetRect(CDlgMain::kMultiSetId);
    EXPECT_EQ(all.x, 1000 - multi.Right()) << "row centred";
    EXPECT_EQ(multi.Bottom(), 670 - 12);
}

TEST_F(CDlgMainTest, DestroyRemovesStatusButtonsAndPages) {
    Open();
    m_driver.Click(kCmd + 4);
    m_main->Destroy();
    EXPECT_FALSE(Driver(CDlgStatus::kTemplateId).IsValid());
    EXPECT_FALSE(Driver(kFirstPageTemplate).IsValid());
    EXPECT_FALSE(Driver(kCarTemplate).IsValid());
    EXPECT_EQ(m_main->Page(1), nullptr);
}

}  // namespace
}  // namespace mdvr::test
