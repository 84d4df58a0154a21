// Page 18: the terminal's MAC address, extended manufacturer ID and model as a terminal reports
// them and an operator edits them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pages/CDlgSbChuan.h"
#include "pages/PageFixture.h"
#include "text/CodePage.h"

namespace mdvr::test {
namespace {

using Mac = std::array<std::wstring, 6>;

constexpr int kMac0 = CDlgSbChuan::kFirstMacId;
constexpr int kMaker = CDlgSbChuan::kManufacturerId;
constexpr int kModel = CDlgSbChuan::kModelId;
constexpr int kMacBox = 0, kMakerBox = 1, kModelBox = 2;

class IdentityTest : public PageFixture<CDlgSbChuan> {
  protected:
    Mac MacShown() const {
        Mac shown;
        for (size_t i = 0; i < shown.size(); ++i) shown[i] = Text(kMac0 + static_cast<int>(i));
        return shown;
    }
    // Keys go where the focus is, as on a keyboard.
    void TypeAtFocus(std::wstring_view keys) {
        for (wchar_t key : keys) m_driver.Type(m_page.View().FocusedId(), {&key, 1});
    }
};

TEST_F(IdentityTest, TerminalValuesOfOddLengths) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    const Bytes model = Item(
        0xFF02, {'M', 'D', 'V', 'R', '4', 'C', '1', '0', '7', '8', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const Bytes earlier = List({Item(0xFF00, {9, 9, 9, 9, 9, 9}), Item(0xFF01, {'7', '0', '1'})});
    const LoadCase cases[] = {
        {"seven bytes fill the ID: no terminator needed",
         List({Item(0xFF00, {0x00, 0x1E, 0x4C, 0xA1, 0x00, 0x01}),
               Item(0xFF01, {'4', '4', '0', '1', '0', '3', '1'}), model}),
         {{kMac0 + 1, L"1E"}, {kMac0 + 3, L"A1"}, {kMaker, L"4401031"}, {kModel, L"MDVR4C1078"}}},
        {"earlier values", earlier, {}, {}, List({Item(0xFF00, {9, 9, 9, 9, 9, 9})}), {kMacBox}},
        {"a short MAC fills the last bytes", List({Item(0xFF00, {0xAA, 0xBB, 0xCC, 0xDD})}),
         {{kMac0 + 1, L"00"}, {kMac0 + 2, L"AA"}, {kMac0 + 5, L"DD"}}, {},
         List({Item(0xFF00, {0, 0, 0xAA, 0xBB, 0xCC, 0xDD})})},
        {"a long MAC gives its first six bytes", List({Item(0xFF00, {1, 2, 3, 4, 5, 0xF6, 7, 8})}),
         {{kMac0 + 5, L"F6"}}, {}, List({Item(0xFF00, {1, 2, 3, 4, 5, 0xF6})})},
        {"a one-byte MAC is its last byte", List({Item(0xFF00, {0x7F})}), {{kMac0 + 5, L"7F"}},
         {}, List({Item(0xFF00, {0, 0, 0, 0, 0, 0x7F})})},
        {"an over-long ID is cut at seven bytes",
         List({Item(0xFF01, {'1', '2', '3', '4', '5', '6', '7', '8', '9'})}),
         {{kMaker, L"1234567"}}, {}, List({Item(0xFF01, {'1', '2', '3', '4', '5', '6', '7'})}),
         {kMakerBox}},
        {"a shorter ID replaces the whole field", List({Item(0xFF01, {'8', '8'})}),
         {{kMaker, L"88"}}, {}, List({Item(0xFF01, {'8', '8', 0, 0, 0, 0, 0})})},
        {"a zero ends the model", List({Item(0xFF02, {'A', 'B', 0, 'C', 'D'})}),
         {{kModel, L"AB"}}, {}, List({Item(0xFF02, {'A', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                    0, 0, 0, 0, 0, 0, 0})}), {kModelBox}},
        {"a model in GBK shows, but only letters and digits go back",
         List({Item(0xFF02, {0xB9, 0xFA, 0xB1, 0xEA, 'A', '1'})}), {{kModel, L"国标A1"}}, {},
         Bytes{}},
    };
    RunLoadCase(cases[0]);
    m_page.SetAllGroups(true);
    EXPECT_EQ(Save(), cases[0].list);
    for (const LoadCase& c : std::span(cases).subspan(1)) RunLoadCase(c);
}

TEST_F(IdentityTest, SavedBytesAndRefusals) {
    const std::wstring badMac = L"MAC地址：输入的值无效或超出范围";
    const EditCase cases[] = {
        {"the MAC as shown", kMacBox, kMac0, L"00",
         List({Item(0xFF00, {0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})}), nullptr},
        {"a single digit is the byte's low digit", kMacBox, kMac0, L"A",
         List({Item(0xFF00, {0x0A, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})}), nullptr},
        {"a minus sign", kMacBox, kMac0 + 2, L"-1", {}, badMac.c_str()},
        {"letters past F", kMacBox, kMac0 + 3, L"ZZ", {}, badMac.c_str()},
        {"an emptied byte", kMacBox, kMac0 + 5, L"", {}, badMac.c_str()},
        {"a short ID is zero-padded", kMakerBox, kMaker, L"ABC",
         List({Item(0xFF01, {'A', 'B', 'C', 0, 0, 0, 0})}), nullptr},
        {"an ID with a dash", kMakerBox, kMaker, L"12-45", {}, L"扩展制造商ID：输入的值无效或超出范围"},
        {"an empty model clears it", kModelBox, kModel, L"",
         List({Item(0xFF02, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})}),
         nullptr},
        {"a full model has no terminator", kModelBox, kModel, L"ABCDEFGHIJ0123456789",
         List({Item(0xFF02, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J',
                             '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'})}), nullptr},
        {"a model with a blank", kModelBox, kModel, L"MDVR 1078", {}, L"扩展终端型号：输入的值无效或超出范围"},
    };
    const Mac good{L"00", L"1A", L"2B", L"3C", L"4D", L"5E"};
    for (const EditCase& c : cases) {
        m_page.View().SetFocus(CDlgCfgBase::kFirstGroupId);  // away from the fields
        for (size_t i = 0; i < good.size(); ++i) {
            m_page.View().SetText(kMac0 + static_cast<int>(i), good[i]);
        }
        RunEditCase(c);
    }
    // The first failing field in box order names itself.
    CheckOnly({kMacBox, kModelBox});
    m_page.View().SetText(kMac0 + 1, L"G1");
    m_page.View().SetText(kModel, L"国标");
    ExpectSave({}, badMac.c_str());
    EXPECT_TRUE(m_driver.Focused(kMac0 + 1));
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
}

TEST_F(IdentityTest, BoxesSwitchTheirOwnFields) {
    const EnableCase cases[] = {
        {"MAC box", {CDlgCfgBase::kFirstGroupId + kMacBox}, {-kMac0, -(kMac0 + 5), kMaker, kModel}},
        {"ID box", {CDlgCfgBase::kFirstGroupId + kMakerBox}, {-kMac0, -kMaker, kModel}},
        {"model box", {CDlgCfgBase::kFirstGroupId + kModelBox}, {-kMac0, -kMaker, -kModel}},
    };
    for (const EnableCase& c : cases) RunEnableCase(c);
}

}  // namespace
}  // namespace mdvr::test
