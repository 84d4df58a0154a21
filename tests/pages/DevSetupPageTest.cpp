// Page 2: registration data and link parameters as a terminal and an operator meet them.
#include <gtest/gtest.h>

#include <array>

#include "pagebase/ComboData.h"
#include "pages/CDlgDevSetup.h"
#include "pages/PageFixture.h"
#include "text/CodePage.h"

namespace mdvr::test {
namespace {

using DevPage = PageFixture<CDlgDevSetup>;

TEST_F(DevPage, RegistrationAndLinkRoundTrip) {
    // 粤A10001 in GBK, the terminals' charset: the plate goes back byte for byte.
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    const Bytes plate = Item(0x83, {0xD4, 0xC1, 'A', '1', '0', '0', '0', '1'});
    const Bytes list =
        List({Item(0x81, {0, 44}), Item(0x82, {0x01, 0x00}), plate, Item(0x84, {2}),
              Item(0x01, {0, 0, 0, 30}), Item(0x02, {0, 0, 0, 10}), Item(0x03, {0, 0, 0, 3}),
              Item(0x04, {0, 0, 0, 10}), Item(0x05, {0, 0, 0, 3}), Item(0x06, {0, 0, 0, 30}),
              Item(0x07, {0, 0, 0, 3})});
    Load(list);
    EXPECT_EQ(Text(CDlgDevSetup::kPlateId), L"粤A10001");
    EXPECT_EQ(Save(), list);
}

TEST_F(DevPage, ColourCodesAndEdits) {
    EXPECT_EQ(SelectedComboData(m_page.View(), CDlgDevSetup::kPlateColourId), 1u);
    const LoadCase loads[] = {
        {"a known colour", List({Item(0x84, {91})}), {}, {}, {}, {3}},
        {"an unknown colour keeps the selection", List({Item(0x84, {7})}), {}, {},
         List({Item(0x84, {91})}), {3}},
    };
    for (const LoadCase& c : loads) RunLoadCase(c);
    const EditCase edits[] = {
        {"province 65535", 0, CDlgDevSetup::kProvinceId, L"65535", List({Item(0x81, {0xFF, 0xFF})}),
         nullptr},
        {"a pasted province 65536", 0, CDlgDevSetup::kProvinceId, L"65536", {},
         L"省域ID：输入的值无效或超出范围"},
        {"a heartbeat of 0", 4, CDlgDevSetup::kHeartbeatId, L"0", List({Item(0x01, {0, 0, 0, 0})}),
         nullptr},
        {"an empty heartbeat", 4, CDlgDevSetup::kHeartbeatId, L"", List({}), nullptr},
    };
    for (const EditCase& c : edits) RunEditCase(c);
}

TEST_F(DevPage, MultiDeviceSaveAsksBeforeSendingThePlate) {
    Load(List({Item(0x83, {'B', '1'}), Item(0x01, {0, 0, 0, 30})}));
    CheckOnly({2, 4});
    std::array<uint8_t, 2048> list{};
    uint32_t length = 0;
    struct Case {
        bool multi;
        int answer;
        Bytes built;
    } cases[] = {
        {true, 0, List({Item(0x01, {0, 0, 0, 30})})},
        {false, 0, List({Item(0x01, {0, 0, 0, 30})})},  // a declined plate stays out
        {true, 1, List({Item(0x83, {'B', '1'}), Item(0x01, {0, 0, 0, 30})})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        m_tips.Clear();
        m_tips.AnswerNext({c.answer});
        m_page.SetMultiSave(c.multi);
        ASSERT_TRUE(m_page.ValidateInput());
        EXPECT_EQ(m_tips.PendingAnswers(), c.multi ? 0u : 1u);
        ASSERT_TRUE(m_page.BuildParamList(list, &length));
        EXPECT_EQ(Bytes(list.begin(), list.begin() + length), c.built);
    }
}

}  // namespace
}  // namespace mdvr::test
