// The status log: entry texts, page tags, trimming, Clear and layout.
#include "pages/CDlgStatus.h"

#include <gtest/gtest.h>

#include <regex>
#include <utility>

#include "pages/CfgMessages.h"
#include "pages/PageFixture.h"
#include "protocol/DeviceProfile.h"

namespace mdvr::test {
namespace {

std::wstring Title(int page) {
    return page == 3 ? L"监控设置" : std::wstring();
}

class CDlgStatusTest : public AnyPageFixture {
  protected:
    void SetUp() override {
        AnyPageFixture::SetUp();
        WriteFile("HostDevices.ini", "[Device7]\nVehicle=粤B12345\nName=MDVR-1\n");
        CHostFile::ReloadAll();
        TheDeviceProfile().devId = 7;
        WriteFile("status_lang.ini",
                  "[STRING]\n11006=清空\n12050=：\n15001=成功\n15002=失败\n16600=获得参数\n"
                  "16601=设置参数\n16607=设置到多个设备\n");
        CLanguage::Instance().SetFile((Folder() / "status_lang.ini").wstring());
        ASSERT_TRUE(m_status.CreateInNative(&Host()));
        m_driver = Driver(CDlgStatus::kTemplateId);
    }
    void TearDown() override {
        m_status.Destroy();
        AnyPageFixture::TearDown();
    }
    // The log without the header lines, whose clock time varies.
    std::wstring Bodies() const {
        static const std::wregex header(L"\\d\\d:\\d\\d:\\d\\d  粤B12345\\(MDVR-1\\)\r\n");
        return std::regex_replace(m_status.Log(), header, L"|");
    }

    CDlgStatus m_status{&Title};
    ui::DialogDriver m_driver{m_automation.Backend(), nullptr};
};

TEST_F(CDlgStatusTest, EntriesNewestFirstWithTagsAndResults) {
    struct Case {
        const char* name;
        uint32_t begin, end;
        intptr_t page, result;
        const wchar_t* bodies;
    } cases[] = {
        {"set page 3", WM_CFG_SET_BEGIN, WM_CFG_SET_END, 3, 1,
         L"|设置参数[监控设置]：成功\r\n\r\n|设置参数[监控设置]：......\r\n\r\n"},
        {"get all", WM_CFG_GET_BEGIN, WM_CFG_GET_END, kAllPages, 0,
         L"|获得参数：失败\r\n\r\n|获得参数：......\r\n\r\n"},
        {"multi-set, untitled page", WM_CFG_MULTISET_BEGIN, WM_CFG_MULTISET_END, 4, 7,
         L"|设置到多个设备：成功\r\n\r\n|设置到多个设备：......\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_status.Clear();
        EXPECT_TRUE(m_status.OnOperation(c.begin, c.page, 0));
        EXPECT_TRUE(m_status.OnOperation(c.end, c.page, c.result));
        EXPECT_EQ(Bodies(), c.bodies);
        EXPECT_EQ(m_driver.Text(CDlgStatus::kLogId), m_status.Log());
    }
    EXPECT_FALSE(m_status.OnOperation(WM_CFG_POPUP_END, 3, 1));
}

TEST_F(CDlgStatusTest, OnlyABeginEntryDropsALogPastTheLimit) {
    m_status.OnOperation(WM_CFG_GET_BEGIN, kAllPages, 0);
    const size_t begin = m_status.Log().size();
    m_status.OnOperation(WM_CFG_GET_END, kAllPages, 1);
    const size_t end = m_status.Log().size() - begin;
    while (m_status.Log().size() + end <= CDlgStatus::kTrimChars) {
        m_status.OnOperation(WM_CFG_GET_END, kAllPages, 1);
    }
    // At the limit a begin still keeps the log.
    size_t before = m_status.Log().size();
    m_status.OnOperation(WM_CFG_GET_BEGIN, kAllPages, 0);
    EXPECT_EQ(m_status.Log().size(), before + begin);
    while (m_status.Log().size() <= CDlgStatus::kTrimChars) {
        m_status.OnOperation(WM_CFG_GET_END, kAllPages, 1);  // ends never trim
    }
    before = m_status.Log().size();
    m_status.OnOperation(WM_CFG_SET_BEGIN, 3, 0);
    EXPECT_LT(m_status.Log().size(), before);
    EXPECT_EQ(Bodies(), L"|设置参数[监控设置]：......\r\n\r\n");
    m_status.OnOperation(WM_CFG_SET_END, 3, 1);
    EXPECT_EQ(Bodies(), L"|设置参数[监控设置]：成功\r\n\r\n|设置参数[监控设置]：......\r\n\r\n");
}

TEST_F(CDlgStatusTest, ClearButtonEmptiesTheLogBetweenBeginAndEnd) {
    m_status.OnOperation(WM_CFG_SET_BEGIN, 3, 0);
    m_driver.Click(CDlgStatus::kClearId);
    EXPECT_EQ(m_driver.Text(CDlgStatus::kLogId), L"");
    m_status.OnOperation(WM_CFG_SET_END, 3, 1);
    EXPECT_EQ(Bodies(), L"|设置参数[监控设置]：成功\r\n\r\n");
    EXPECT_EQ(m_driver.Text(CDlgStatus::kClearId), L"清空");
}

TEST_F(CDlgStatusTest, ClearTopRightAndLogBelowOverTheFullWidth) {
    m_status.View().MoveWindow({0, 0, 300, 400});
    const ui::Rect button = m_status.View().GetRect(CDlgStatus::kClearId);
    EXPECT_EQ((std::pair{button.Right(), button.y}), (std::pair{300, 4}));
    EXPECT_EQ(m_status.View().GetRect(CDlgStatus::kLogId),
              (ui::Rect{0, button.h + 5, 300, 395 - button.h}));
}

}  // namespace
}  // namespace mdvr::test
