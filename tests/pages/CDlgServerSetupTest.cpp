// Page 5: the monitoring centers' servers and the IC-card servers as a terminal reports them and
// an operator edits them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/CDlgServerSetup.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using P = CDlgServerSetup;
using Edits = std::vector<std::pair<int, std::wstring>>;
constexpr int kApn = P::kFirstEditId;
constexpr int kCardServer = P::kFirstEditId + 10;
constexpr auto Str = TextItem;
constexpr auto Port = [](uint32_t id, uint32_t value) { return NumberItem(id, value); };

class ServerSetupPage : public PageFixture<CDlgServerSetup> {
  protected:
    void UseLevel(int level) {
        TheDeviceProfile().protocolLevel = level;
        m_page.ApplyDeviceProfile();
    }
    // Every box checked, every field emptied, then the edits typed.
    void EnterOnly(const Edits& edits) {
        m_page.SetAllGroups(true);
        for (int row = 0; row < P::kGroups; ++row) Enter(P::kFirstEditId + row, L"");
        for (const auto& [id, text] : edits) Enter(id, text);
    }
};

const std::string kName50 = "video01.fleet.guangzhoutransitgroup.example.com.cn";
const std::string kName255 = std::string(251, 'a') + ".com";
const std::string kFleetGbk = "\xB3\xB5\xB6\xD3";  // 车队

TEST_F(ServerSetupPage, ListReceivedAndSavedUneditedGoesBackInBoxOrder) {
    const std::vector<Bytes> portMode = {
        Str(0x10, "cmnet"), Str(0x11, kFleetGbk),       Str(0x12, "gprs"),
        Str(0x13, kName50), Str(0x14, "cmiot"),         Str(0x15, "bus"),
        Str(0x16, "pw"),    Str(0x17, "10.0.0.2"),      Port(0x18, 7611),
        Port(0x19, 7612),   Str(0x1A, "ic.example.cn"), Port(0x1B, 9001),
        Port(0x1C, 9002),   Str(0x1D, "ic2.example.cn")};
    std::vector<Bytes> hiddenPorts = portMode;
    hiddenPorts[3] = Str(0x13, kName255);
    hiddenPorts.erase(hiddenPorts.begin() + 8, hiddenPorts.begin() + 10);
    struct Case {
        int level;
        std::vector<Bytes> items;
    } cases[] = {{0, portMode}, {1, hiddenPorts}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        UseLevel(c.level);
        std::vector<Bytes> terminalOrder(c.items.rbegin(), c.items.rend());
        Load(List(terminalOrder));
        m_page.SetAllGroups(true);
        EXPECT_EQ(Save(), List(c.items));
        EXPECT_EQ(TheDeviceProfile().protocolLevel, c.level);
    }
}

TEST_F(ServerSetupPage, CentersAppearInTheOrderTheirItemsArrive) {
    struct Case {
        const char* what;
        Bytes list;
        std::vector<std::wstring> entries;
    } cases[] = {
        {"center 3 without center 2",
         List({Str(0x10, "a"), Str(0xF210, "c"), Str(0xF213, "")}),
         {L"中心1", L"中心3"}},
        {"a new load forgets centers that do not report", List({Str(0x10, "a")}), {L"中心1"}},
        {"first item decides",
         List({Str(0xF313, "d"), Port(0xF118, 1), Str(0x10, "a")}),
         {L"中心1", L"中心4", L"中心2"}},
        {"IDs past the server fields name no center",
         List({Str(0xF11A, "x"), Str(0xF220, "y")}),
         {L"中心1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.list);
        EXPECT_EQ(m_driver.Entries(P::kCenterId), c.entries);
        EXPECT_EQ(m_driver.SelData(P::kCenterId), 1u);
        EXPECT_EQ(m_driver.Visible(P::kCenterId), c.entries.size() > 1);
        EXPECT_EQ(m_driver.Visible(P::kCenterLabelId), c.entries.size() > 1);
        EXPECT_EQ(Text(kApn), L"a");
    }
}

TEST_F(ServerSetupPage, SwitchingCentersAsksFirstAndWritesOnlyTheShownCenter) {
    Load(List({Str(0x10, "cmnet"), Str(0x13, "a.cn"), Str(0xF110, "cmiot"), Str(0xF113, "b.cn")}));
    Enter(kApn, L"typed");
    struct Step {
        uint32_t pick;
        int answer;
        uint32_t shown;
        const wchar_t* apn;
    } steps[] = {
        {2, 0, 1, L"typed"},  // refused: the selector goes back, the typing stays
        {2, 1, 2, L"cmiot"},
        {1, 1, 1, L"cmnet"},  // unsaved typing of center 1 was dropped
    };
    for (const Step& s : steps) {
        m_tips.AnswerNext({s.answer});
        m_driver.SelectByData(P::kCenterId, s.pick);
        EXPECT_EQ(LastTip(), L"切换监控中心后，当前中心尚未保存的修改将丢失。是否切换？");
        EXPECT_EQ(m_driver.SelData(P::kCenterId), s.shown);
        EXPECT_EQ(Text(kApn), s.apn);
    }
    m_tips.AnswerNext({1});
    m_driver.SelectByData(P::kCenterId, 2);
    CheckOnly({0, 3});
    Enter(kApn, L"uninet");
    EXPECT_EQ(Save(), List({Str(0xF110, "uninet"), Str(0xF113, "b.cn")}));
    // What a save checked stays with its center, across switches and loads that skip it.
    Load(List({Str(0x10, "cmnet"), Str(0xF113, "c.cn")}));
    m_tips.AnswerNext({1});
    m_driver.SelectByData(P::kCenterId, 2);
    EXPECT_EQ(Text(kApn), L"uninet");
    EXPECT_EQ(Text(P::kAddressId), L"c.cn");
}

TEST_F(ServerSetupPage, ValidationStopsAtTheFirstBadFieldInBoxOrder) {
    const std::wstring host = L"：请输入正确的IP地址或域名";
    const std::wstring number = L"：输入的值无效或超出范围";
    struct Case {
        Edits edits;
        std::wstring tip;
    } cases[] = {
        {{{P::kAddressId, L"a_b.cn"}, {P::kTcpPortId, L"70000"}}, L"主服务器地址" + host},
        {{{P::kAddressId, L"a.cn"}, {P::kBackupAddressId, L"localhost"}}, L"备份服务器地址" + host},
        {{{P::kTcpPortId, L"70000"}, {P::kUdpPortId, L"65536"}}, L"服务器TCP端口" + number},
        {{{kCardServer, L"card"}}, L"IC卡认证主服务器IP或域名" + host},
        {{{kCardServer + 3, L"ic-2.example.cn"}}, L"IC卡认证备份服务器IP或域名" + host},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.tip));
        EnterOnly(c.edits);
        ExpectSave({}, c.tip.c_str());
    }
}

TEST_F(ServerSetupPage, WhatASaveSendsInEachPortMode) {
    struct Case {
        const char* what;
        int level;
        Edits edits;
        Bytes sent;
    } cases[] = {
        {"empty addresses go as empty items, other empty fields not at all",
         0,
         {},
         List({Str(0x13, ""), Str(0x17, "")})},
        {"ports are sent in port mode",
         0,
         {{P::kTcpPortId, L"7611"}},
         List({Str(0x13, ""), Str(0x17, ""), Port(0x18, 7611)})},
        {"hidden ports are neither checked nor sent; any address goes",
         1,
         {{P::kAddressId, L"localhost"}, {P::kTcpPortId, L"70000"}},
         List({Str(0x13, "localhost"), Str(0x17, "")})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseLevel(0);
        EnterOnly(c.edits);
        UseLevel(c.level);
        EXPECT_EQ(Save(), c.sent);
    }
}

TEST_F(ServerSetupPage, AReportedPortBringsBackPortMode) {
    struct Case {
        const char* what;
        int level;
        Bytes list;
        bool ports;  // rows shown, boxes checked by the load, addresses limited to 50
    } cases[] = {
        {"port mode shows the rows unchecked", 0, List({Port(0x18, 7611)}), true},
        {"level 1 hides them", 1, List({Str(0x10, "cmnet")}), false},
        {"a port of any center shows them", 1, List({Port(0xF319, 7612)}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseLevel(c.level);
        m_page.SetGroupCheck(P::kTcpBox, false);
        m_page.SetGroupCheck(P::kUdpBox, false);
        Load(c.list);
        for (int id : {P::kTcpPortId, P::kFirstGroupId + P::kUdpBox, P::kUdpRangeId}) {
            EXPECT_EQ(m_driver.Visible(id), c.ports || c.level == 0) << id;
        }
        EXPECT_EQ(m_driver.Check(P::kFirstGroupId + P::kTcpBox) == 1, c.ports && c.level == 1);
        EXPECT_EQ(TheDeviceProfile().protocolLevel, c.ports ? 0 : c.level);
        Enter(P::kBackupAddressId, std::wstring(300, L'a'));
        EXPECT_EQ(Text(P::kBackupAddressId).size(), c.ports ? 50u : 255u);
    }
}

TEST_F(ServerSetupPage, OnlyTheFirstLoadChecksTheCardServerBoxes) {
    const Bytes list = List({Str(0x1A, "ic.example.cn"), Port(0x1C, 9002)});
    Load(list);
    const int first = CDlgCfgBase::kFirstGroupId + 10;
    ExpectChecked({first, -(first + 1), first + 2, -(first + 3)});
    m_driver.Click(first);
    Load(list);
    EXPECT_EQ(m_driver.Check(first), 0);
}

TEST_F(ServerSetupPage, CheckModeAsksOnlyForCenterOne) {
    auto query = [](std::initializer_list<std::pair<uint32_t, uint32_t>> ranges) {
        Bytes out{0};
        for (auto [from, to] : ranges) {
            for (uint32_t id = from; id <= to; ++id) {
                const Bytes item = Port(id, 0);  // its first four bytes are the ID
                out.insert(out.end(), item.begin(), item.begin() + 4);
                ++out[0];
            }
        }
        return out;
    };
    struct Case {
        const char* settings;
        Bytes sent;
    } cases[] = {
        {"", query({{0x10, 0x1D}, {0xF110, 0xF119}, {0xF210, 0xF219}, {0xF310, 0xF319}})},
        {"CheckMode=1\n", query({{0x10, 0x1D}})},
    };
    for (const Case& c : cases) {
        WriteFile("HostSettings.ini", std::string("[Settings]\n") + c.settings);
        EXPECT_EQ(QueryList(), c.sent);
    }
    WriteFile("HostSettings.ini", "[Settings]\n");
}

}  // namespace
}  // namespace mdvr::test
