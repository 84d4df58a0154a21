// Page 18: the terminal's MAC address, extended manufacturer ID and model as a terminal reports
// them and an operator edits them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "pages/CDlgSbChuan.h"
#include "pages/PageFixture.h"
#include "text/CodePage.h"

namespace mdvr::test {
namespace {

using IdentityPage = PageFixture<CDlgSbChuan>;
using Mac = std::array<std::wstring, 6>;

constexpr int kMac0 = CDlgSbChuan::kFirstMacId;
constexpr int kMaker = CDlgSbChuan::kManufacturerId;
constexpr int kModel = CDlgSbChuan::kModelId;
constexpr int kMacBox = 0, kMakerBox = 1, kModelBox = 2;

class IdentityTest : public IdentityPage {
  protected:
    Mac MacShown() const {
        Mac shown;
        for (size_t i = 0; i < shown.size(); ++i) shown[i] = Text(kMac0 + static_cast<int>(i));
        return shown;
    }
    void SetMac(const Mac& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            m_page.View().SetText(kMac0 + static_cast<int>(i), bytes[i]);
        }
    }
    // Keys go where the focus is, as on a keyboard.
    void TypeAtFocus(std::wstring_view keys) {
        for (wchar_t key : keys) m_driver.Type(m_page.View().FocusedId(), {&key, 1});
    }
};

TEST_F(IdentityTest, ReceivedListGoesBackUnedited) {
    const Bytes mac = Item(0xFF00, {0x00, 0x1E, 0x4C, 0xA1, 0x00, 0x01});
    const Bytes maker = Item(0xFF01, {'4', '4', '0', '1', '0', '3', '1'});
    const Bytes model = Item(
        0xFF02, {'M', 'D', 'V', 'R', '4', 'C', '1', '0', '7', '8', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Load(List({mac, maker, model}));
    EXPECT_EQ(MacShown(), (Mac{L"00", L"1E", L"4C", L"A1", L"00", L"01"}));
    EXPECT_EQ(Text(kMaker), L"4401031");  // seven bytes fill the field: no terminator needed
    EXPECT_EQ(Text(kModel), L"MDVR4C1078");
    const Bytes saved = Save();
    EXPECT_EQ(saved, List({mac, maker, model}));
    EXPECT_EQ(saved.size(), 1u + 11 + 12 + 25);
    EXPECT_EQ(QueryList(), (Bytes{3, 0, 0, 0xFF, 0x00, 0, 0, 0xFF, 0x01, 0, 0, 0xFF, 0x02}));
}

TEST_F(IdentityTest, TerminalValuesOfOddLengths) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    struct Case {
        const char* what;
        Bytes item;
        int edit;
        const wchar_t* shown;
    } cases[] = {
        {"a short MAC fills the last bytes", Item(0xFF00, {0xAA, 0xBB, 0xCC, 0xDD}), kMac0 + 1,
         L"00"},
        {"... the first of them", Item(0xFF00, {0xAA, 0xBB, 0xCC, 0xDD}), kMac0 + 2, L"AA"},
        {"a long MAC gives its first six bytes", Item(0xFF00, {1, 2, 3, 4, 5, 0xF6, 7, 8}),
         kMac0 + 5, L"F6"},
        {"a one-byte MAC is its last byte", Item(0xFF00, {0x7F}), kMac0 + 5, L"7F"},
        {"an over-long ID is cut at seven bytes",
         Item(0xFF01, {'1', '2', '3', '4', '5', '6', '7', '8', '9'}), kMaker, L"1234567"},
        {"a zero ends the model", Item(0xFF02, {'A', 'B', 0, 'C', 'D'}), kModel, L"AB"},
        {"a model in GBK", Item(0xFF02, {0xB9, 0xFA, 0xB1, 0xEA, 'A', '1'}), kModel, L"国标A1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List(
            {Item(0xFF00, {9, 9, 9, 9, 9, 9}), Item(0xFF01, {'7', '0', '1', '1', '1', '0', '1'})}));
        Load(List({c.item}));
        EXPECT_EQ(Text(c.edit), c.shown);
    }
    // A shorter value replaces the whole field: nothing of an earlier device's ID remains.
    Load(List({Item(0xFF01, {'8', '8'})}));
    EXPECT_EQ(Text(kMaker), L"88");
}

TEST_F(IdentityTest, SavedBytesAndRefusals) {
    const Mac good{L"00", L"1A", L"2B", L"3C", L"4D", L"5E"};
    const Bytes goodMac = Item(0xFF00, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E});
    const std::wstring badMac = L"MAC地址：输入的值无效或超出范围";
    struct Case {
        const char* what;
        std::vector<int> boxes;
        Mac mac;
        const wchar_t* maker;
        const wchar_t* model;
        Bytes sent;  // empty: refused
        std::wstring tip;
        int focus;
    } cases[] = {
        {"the MAC alone", {kMacBox}, good, L"", L"", List({goodMac}), L"", 0},
        {"a single digit is the byte's low digit",
         {kMacBox},
         {L"A", L"1A", L"2B", L"3C", L"4D", L"5E"},
         L"",
         L"",
         List({Item(0xFF00, {0x0A, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})}),
         L"",
         0},
        {"a minus sign",
         {kMacBox},
         {L"00", L"1A", L"-1", L"3C", L"4D", L"5E"},
         L"",
         L"",
         {},
         badMac,
         kMac0 + 2},
        {"letters past F",
         {kMacBox},
         {L"00", L"1A", L"2B", L"ZZ", L"4D", L"5E"},
         L"",
         L"",
         {},
         badMac,
         kMac0 + 3},
        {"an emptied byte",
         {kMacBox},
         {L"00", L"1A", L"2B", L"3C", L"4D", L""},
         L"",
         L"",
         {},
         badMac,
         kMac0 + 5},
        {"a short ID is zero-padded",
         {kMakerBox},
         good,
         L"ABC",
         L"",
         List({Item(0xFF01, {'A', 'B', 'C', 0, 0, 0, 0})}),
         L"",
         0},
        {"an ID with a dash",
         {kMakerBox},
         good,
         L"12-45",
         L"",
         {},
         L"扩展制造商ID：输入的值无效或超出范围",
         kMaker},
        {"an empty model clears it",
         {kModelBox},
         good,
         L"",
         L"",
         List({Item(0xFF02, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})}),
         L"",
         0},
        {"a full model has no terminator",
         {kModelBox},
         good,
         L"",
         L"ABCDEFGHIJ0123456789",
         List({Item(0xFF02, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                             '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'})}),
         L"",
         0},
        {"a model with a blank",
         {kModelBox},
         good,
         L"",
         L"MDVR 1078",
         {},
         L"扩展终端型号：输入的值无效或超出范围",
         kModel},
        {"the first failing field names itself",
         {kMacBox, kModelBox},
         {L"00", L"G1", L"2B", L"3C", L"4D", L"5E"},
         L"",
         L"国标",
         {},
         badMac,
         kMac0 + 1},
        {"no box checked", {}, good, L"1", L"A", {}, L"请至少勾选一项需要设置的参数", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_tips.Clear();
        m_page.View().SetFocus(CDlgCfgBase::kFirstGroupId);  // away from the fields
        SetMac(c.mac);
        m_page.View().SetText(kMaker, c.maker);
        m_page.View().SetText(kModel, c.model);
        m_page.SetAllGroups(false);
        for (int box : c.boxes) m_driver.Click(CDlgCfgBase::kFirstGroupId + box);
        EXPECT_EQ(Save(), c.sent);
        EXPECT_EQ(LastTip(), c.tip);
        if (c.focus != 0) {
            EXPECT_TRUE(m_driver.Focused(c.focus));
        }
    }
}

TEST_F(IdentityTest, TypingTheAddress) {
    m_driver.Focus(kMac0);
    TypeAtFocus(L"00g1a-2B3C4d5e");  // g and - are not typed
    EXPECT_EQ(MacShown(), (Mac{L"00", L"1A", L"2B", L"3C", L"4D", L"5E"}));
    EXPECT_TRUE(m_driver.Focused(kMac0 + 5));  // the last byte does not move on
    // Moving on selects the next byte, so typing replaces it.
    m_driver.Focus(kMac0);
    m_page.View().SelectText(kMac0, 0, -1);
    TypeAtFocus(L"ff07");
    EXPECT_EQ(Text(kMac0), L"FF");
    EXPECT_EQ(Text(kMac0 + 1), L"07");
    EXPECT_TRUE(m_driver.Focused(kMac0 + 2));
    // A load leaves the focus where the operator put it.
    m_driver.Focus(kMac0);
    Load(List({Item(0xFF00, {1, 2, 3, 4, 5, 6})}));
    EXPECT_TRUE(m_driver.Focused(kMac0));
    CheckOnly({kMacBox});
    EXPECT_EQ(Save(), List({Item(0xFF00, {1, 2, 3, 4, 5, 6})}));
}

TEST_F(IdentityTest, BoxesSwitchTheirOwnFields) {
    struct Case {
        int box;
        std::vector<int> members;
    } cases[] = {
        {kMacBox, {kMac0, kMac0 + 1, kMac0 + 2, kMac0 + 3, kMac0 + 4, kMac0 + 5}},
        {kMakerBox, {kMaker}},
        {kModelBox, {kModel}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        m_page.SetAllGroups(true);
        m_driver.Click(CDlgCfgBase::kFirstGroupId + c.box);
        for (int id : {kMac0, kMac0 + 5, kMaker, kModel}) {
            const bool member =
                std::find(c.members.begin(), c.members.end(), id) != c.members.end();
            EXPECT_EQ(m_driver.Enabled(id), !member) << id;
        }
    }
}

}  // namespace
}  // namespace mdvr::test
