// Pages 6, 9 and 20: the secondary server, GNSS and passenger capacity pages as a terminal and
// an operator meet them.
#include <gtest/gtest.h>

#include "pages/CDlgFromServerSetup.h"
#include "pages/CDlgGnssSetup.h"
#include "pages/CDlgNumPeople.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

// --- GNSS ---

using GnssPage = PageFixture<CDlgGnssSetup>;
constexpr int kGps = 4504;
constexpr int kGalileo = 4507;
constexpr int kBaud = 4508;

TEST_F(GnssPage, TerminalLists) {
    m_driver.SelectByData(kBaud, 3);
    const LoadCase cases[] = {
        {"a loaded mode brings its unit; items go back in send order",
         List({Item(0x93, {0, 0, 1, 0}), Item(0x90, {0x05}), Item(0x91, {5}), Item(0x92, {4}),
               Item(0x94, {11}), Item(0x95, {0xFF, 0xFF, 0xFF, 0xF6})}),
         {{CDlgGnssSetup::kUploadValueId, L"-10"}, {CDlgGnssSetup::kUploadUnitId, L"(秒,s)"}}, {},
         List({Item(0x94, {11}), Item(0x95, {0xFF, 0xFF, 0xFF, 0xF6}), Item(0x90, {0x05}),
               Item(0x91, {5}), Item(0x92, {4}), Item(0x93, {0, 0, 1, 0})})},
        {"high constellation bits never go back", List({Item(0x90, {0xFF})}), {}, {},
         List({Item(0x90, {0x0F})}), {1}},
        {"an unknown baud rate keeps the selection", List({Item(0x91, {6})}), {}, {},
         List({Item(0x91, {5})}), {2}},
        {"a short collection item reads zeros past its end", List({Item(0x93, {0x01})}), {}, {},
         List({Item(0x93, {0x01, 0, 0, 0})}), {4}},
    };
    for (const LoadCase& c : cases) RunLoadCase(c);
}

TEST_F(GnssPage, UploadModeDrivesItsSetting) {
    struct Case {
        uint32_t mode;
        const wchar_t* unit;
        bool editable;
        Bytes sent;
    } cases[] = {
        {0, L"", false, List({Item(0x94, {0}), Item(0x95, {0, 0, 0, 0})})},
        {2, L"(米,m)", true, List({Item(0x94, {2}), Item(0x95, {0, 0, 0, 42})})},
        {13, L"(条)", true, List({Item(0x94, {13}), Item(0x95, {0, 0, 0, 42})})},
    };
    CheckOnly({0});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        m_driver.SelectByData(CDlgGnssSetup::kUploadModeId, 1);
        Enter(CDlgGnssSetup::kUploadValueId, L"42");
        m_driver.SelectByData(CDlgGnssSetup::kUploadModeId, c.mode);
        EXPECT_EQ(Text(CDlgGnssSetup::kUploadUnitId), c.unit);
        EXPECT_EQ(m_driver.Enabled(CDlgGnssSetup::kUploadValueId), c.editable);
        EXPECT_EQ(Save(), c.sent);
    }
}

TEST_F(GnssPage, Constellations) {
    CheckOnly({1});
    m_driver.Click(kGps);
    m_driver.Click(kGalileo);
    EXPECT_EQ(Save(), List({Item(0x90, {0x09})}));
}

// --- secondary server ---

using ServerPage = PageFixture<CDlgFromServerSetup>;

TEST_F(ServerPage, TextsRoundTripAndEmptyRules) {
    TheDeviceProfile().protocolLevel = 1;
    const std::string longName(255, 'a');
    Bytes address = Item(0x26, {});
    address[4] = 255;
    address.insert(address.end(), longName.begin(), longName.end());
    const Bytes list = List({Item(0x23, {'c', 'm', 'n', 'e', 't'}), Item(0x24, {'u'}),
                             Item(0x25, {'p', 'w'}), address});
    Load(list);
    EXPECT_EQ(Save(), list);
    Enter(CDlgFromServerSetup::kApnId, L"");
    Enter(CDlgFromServerSetup::kAddressId, L"");
    EXPECT_EQ(Save(), List({Item(0x24, {'u'}), Item(0x25, {'p', 'w'}), Item(0x26, {})}));
}

TEST_F(ServerPage, AddressCheckBelowProtocolLevelOne) {
    struct Case {
        int level;
        const wchar_t* address;
        bool sent;
    } cases[] = {
        {0, L"10.0.0", true},   {0, L"a..b", true},      {0, L"my-host.com", false},
        {0, L"localhost", false}, {0, L"a_b.c", false}, {1, L"my-host.com", true},
    };
    CheckOnly({3});
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.address)));
        m_tips.Clear();
        TheDeviceProfile().protocolLevel = c.level;
        Enter(CDlgFromServerSetup::kAddressId, c.address);
        EXPECT_EQ(!Save().empty(), c.sent);
        EXPECT_EQ(LastTip(), c.sent ? L"" : L"副服务器地址(IP或域名)：请输入正确的IP地址或域名");
    }
}

TEST_F(ServerPage, RejectedCharacterShowsABalloon) {
    m_driver.Paste(CDlgFromServerSetup::kUserId, L"ab中c");
    EXPECT_EQ(Text(CDlgFromServerSetup::kUserId), L"ab");
    ASSERT_EQ(m_driver.Balloons(CDlgFromServerSetup::kUserId).size(), 1u);
    EXPECT_EQ(m_driver.Balloons(CDlgFromServerSetup::kUserId)[0].title, L"输入错误");
}

// --- passenger capacity ---

using PeoplePage = PageFixture<CDlgNumPeople>;

TEST_F(PeoplePage, CapacityBothWays) {
    Load(List({Item(0xF700, {0xFF, 0xFF})}));
    EXPECT_EQ(Text(CDlgNumPeople::kCapacityId), L"65535");
    const EditCase cases[] = {
        {"45", -1, CDlgNumPeople::kCapacityId, L"45", List({Item(0xF700, {0x00, 0x2D})}), nullptr},
        {"65536", -1, CDlgNumPeople::kCapacityId, L"65536", {}, L""},
        {"empty", -1, CDlgNumPeople::kCapacityId, L"", {}, L""},
    };
    for (const EditCase& c : cases) RunEditCase(c);
}

}  // namespace
}  // namespace mdvr::test
