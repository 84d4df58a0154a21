// Page 15: the extension parameters of construction-waste and mixer trucks as a terminal and an
// operator meet them.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sstream>

#include "host/CLogFile2.h"
#include "pages/CDlgDevParamEx.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgDevParamEx;
using DevParamExPage = PageFixture<CDlgDevParamEx>;

const Bytes kFull = List({Item(0xF800, {0xFF, 0xFF, 0xFF, 0xFF}), Item(0xF801, {0, 0, 0, 0}),
                          Item(0xF802, {0, 0, 0, 0x05}), Item(0xF003, {0x80, 0, 0, 0}),
                          Item(0xF004, {0, 0, 0x01, 0x01}), Item(0xFF00, {1}), Item(0xFF01, {0}),
                          Item(0xFF02, {40}), Item(0xFF03, {1}), Item(0xFF04, {1}),
                          Item(0xFF06, {2}), Item(0xFF0C, {0x01, 0x2C}), Item(0xFF0F, {45}),
                          Item(0xFF10, {2}), Item(0xFF11, {0x26, 0x06, 0x30}),
                          Item(0xF803, {1}), Item(0xF804, {0})});

TEST_F(DevParamExPage, ListReceivedAndSavedUneditedGoesBackByteForByte) {
    Load(kFull);
    EXPECT_EQ(Text(Page::kFirstMaskId), L"-1");
    EXPECT_EQ(Text(Page::kFirstMaskId + 3), L"-2147483648");
    EXPECT_EQ(Text(Page::kLoadId), L"300");
    EXPECT_EQ(m_driver.Check(Page::kDetectionId + 2), 1);
    EXPECT_EQ(m_driver.Check(Page::kCanReportId + 2), 1);
    const ui::DateTime validity = m_driver.Time(Page::kValidityId);
    EXPECT_EQ((std::array{validity.year, validity.month, validity.day}), (std::array{2026, 6, 30}));
    EXPECT_EQ(Save(), kFull);
}

// A terminal's bytes that are no date stay as they are until the operator picks one.
TEST_F(DevParamExPage, ValidityBytesATerminalMaySend) {
    struct Case {
        const char* what;
        Bytes value;
        bool isDate;
        Bytes sent;
    } cases[] = {
        {"a date", {0x24, 0x12, 0x31}, true, {0x24, 0x12, 0x31}},
        {"a leap day", {0x24, 0x02, 0x29}, true, {0x24, 0x02, 0x29}},
        {"never set", {0, 0, 0}, false, {0, 0, 0}},
        {"month 13", {0x99, 0x13, 0x01}, false, {0x99, 0x13, 0x01}},
        {"29 February of a common year", {0x23, 0x02, 0x29}, false, {0x23, 0x02, 0x29}},
        {"hex nibbles", {0x2A, 0x01, 0x01}, false, {0x2A, 0x01, 0x01}},
        {"a short item reads day 0", {0x24, 0x12}, false, {0x24, 0x12, 0x00}},
    };
    CheckOnly({14});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({Item(0xFF11, c.value)}));
        EXPECT_EQ(Text(Page::kValidityNoteId).empty(), c.isDate) << Text(Page::kValidityNoteId);
        EXPECT_EQ(Save(), List({Item(0xFF11, c.sent)}));
    }
    EXPECT_NE(Text(Page::kValidityNoteId).find(L"24 12 00"), std::wstring::npos);
    ASSERT_TRUE(m_driver.SetTime(Page::kValidityId, {2027, 1, 15}));
    EXPECT_EQ(Text(Page::kValidityNoteId), L"");
    EXPECT_EQ(Save(), List({Item(0xFF11, {0x27, 0x01, 0x15})}));
}

TEST_F(DevParamExPage, OperatorEdits) {
    const EditCase cases[] = {
        {"speed limit 255", 7, Page::kSpeedLimitId, L"255", List({Item(0xFF02, {255})}), nullptr},
        {"speed limit 256", 7, Page::kSpeedLimitId, L"256", {}, L"车辆限速的值无效!"},
        {"speed limit pasted with a letter", 7, Page::kSpeedLimitId, L"6O", {},
         L"车辆限速的值无效!"},
        {"an emptied speed limit means no limit", 7, Page::kSpeedLimitId, L"",
         List({Item(0xFF02, {0})}), nullptr},
        {"approved load 65535", 11, Page::kLoadId, L"65535", List({Item(0xFF0C, {0xFF, 0xFF})}),
         nullptr},
        {"approved load 65536", 11, Page::kLoadId, L"65536", {}, L"核定载重量的值无效!"},
        {"threshold 256", 12, Page::kThresholdId, L"256", {}, L"重车超速阀值的值无效!"},
        {"a word typed unsigned", 0, Page::kFirstMaskId, L"4294967295",
         List({Item(0xF800, {0xFF, 0xFF, 0xFF, 0xFF})}), nullptr},
        {"a word past 32 bits is refused, not cut", 4, Page::kFirstMaskId + 4, L"4294967296", {},
         L"报警关键标志"},
        {"an emptied word clears every bit", 3, Page::kFirstMaskId + 3, L"",
         List({Item(0xF003, {0, 0, 0, 0})}), nullptr},
    };
    for (const EditCase& c : cases) RunEditCase(c);
}

TEST_F(DevParamExPage, RadioValuesNoButtonStandsFor) {
    CheckOnly({10, 13});
    Load(List({Item(0xFF06, {5}), Item(0xFF10, {1})}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(m_driver.Check(Page::kDetectionId + i), 0) << i;
    EXPECT_EQ(m_driver.Check(Page::kCanReportId + 1), 1);
    EXPECT_EQ(Save(), List({Item(0xFF06, {0}), Item(0xFF10, {1})}));
    m_driver.Click(Page::kDetectionId + 3);
    EXPECT_EQ(Save(), List({Item(0xFF06, {3}), Item(0xFF10, {1})}));
}

TEST_F(DevParamExPage, SentListIsLoggedUnderItsCaption) {
    const std::filesystem::path log = Folder() / "devparamex.log";
    std::filesystem::remove(log);
    CLogFile2::Instance().SetFile(log);
    CheckOnly({5});
    EXPECT_FALSE(Save().empty());
    CLogFile2::Instance().SetFile(Folder() / "other.log");  // closes the file
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("DevParamEx"), std::string::npos) << text.str();
}

}  // namespace
}  // namespace mdvr::test
