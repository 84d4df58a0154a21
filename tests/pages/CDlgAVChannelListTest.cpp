// Page 12: the channel list in both layouts, its paging and the repeated-number checks.
#include <gtest/gtest.h>

#include "pages/CDlgAVChannelList.h"
#include "pages/PageFixture.h"

namespace mdvr::test {
namespace {

using Page = CDlgAVChannelList;

class ChannelPage : public PageFixture<Page> {
  protected:
    void UseStandardLayout() {
        TheDeviceProfile().protocolType = 3;
        TheDeviceProfile().devType = 6;
        m_page.ApplyDeviceProfile();
    }
    static Bytes Channels(std::initializer_list<uint8_t> value) {
        return List({Item(0x76, value)});
    }
    const Page::SectionIds& Ids(int section) const { return Page::kSectionIds[section]; }
};

TEST_F(ChannelPage, StandardListShowsEverySectionAndGoesBackUnchanged) {
    UseStandardLayout();
    const Bytes list = Channels({2, 1, 1, 1, 1, 0, 1, 2, 2, 0, 0, 3, 3, 1, 0, 4, 4, 2, 1});
    Load(list);
    EXPECT_EQ(Text(Ids(0).physical[1]), L"2");
    EXPECT_EQ(m_driver.Check(Ids(0).flag[0]), 1);
    EXPECT_TRUE(m_driver.Enabled(Ids(0).physical[1]));
    EXPECT_FALSE(m_driver.Enabled(Ids(0).physical[2]));
    EXPECT_EQ(Text(Ids(1).logical[0]), L"3");
    EXPECT_FALSE(m_driver.Visible(Ids(1).flag[0]));  // audio outputs are kept, not shown
    EXPECT_EQ(Text(Ids(2).physical[0]), L"4");
    EXPECT_EQ(m_driver.Check(Ids(2).flag[0]), 1);
    EXPECT_EQ(Text(Ids(0).frame), L"音视频通道");
    EXPECT_EQ(Save(), list);
}

TEST_F(ChannelPage, TerminalListsThatDoNotAddUp) {
    struct Case {
        const char* what;
        bool standard;
        Bytes received;
        Bytes sentStart;  // the value's first bytes
    } cases[] = {
        {"a record of an unknown type is dropped, the counts stay",
         true,
         Channels({1, 0, 1, 1, 1, 3, 0, 2, 2, 0, 0}),
         {1, 0, 1, 2, 2, 0, 0, 0, 0, 2, 0}},
        {"counts larger than the records there are",
         false,
         Channels({16, 16, 5, 6, 0, 1}),
         {16, 16, 5, 6, 0, 1, 0, 0, 0, 0}},
        {"a short list drops the video section",
         false,
         Channels({1, 1, 1, 1, 0, 0, 2, 2, 1, 1}),
         {1, 1, 1, 1, 0, 0, 2, 2, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TheDeviceProfile() = {};
        if (c.standard)
            UseStandardLayout();
        else
            m_page.ApplyDeviceProfile();
        Load(c.received);
        const Bytes sent = Save();
        constexpr long kValueStart = 6;  // count byte, ID, length
        ASSERT_GE(sent.size(), kValueStart + c.sentStart.size());
        EXPECT_EQ(Bytes(sent.begin() + kValueStart,
                        sent.begin() + kValueStart + static_cast<long>(c.sentStart.size())),
                  c.sentStart);
    }
}

TEST_F(ChannelPage, ShortLayoutIgnoresTheHiddenVideoCount) {
    m_driver.SelectByData(Ids(0).count, 1);
    m_driver.SelectByData(Ids(1).count, 1);
    m_page.View().SetSel(Ids(2).count, 3);
    Enter(Ids(0).physical[0], L"1");
    Enter(Ids(1).physical[0], L"2");
    EXPECT_EQ(Save(), Channels({1, 1, 1, 0, 0, 0, 2, 0, 1, 0}));
}

TEST_F(ChannelPage, LoweringTheCountMovesTheViewBack) {
    m_driver.SelectByData(Ids(0).count, 6);
    ASSERT_TRUE(m_driver.Click(Ids(0).next));
    EXPECT_EQ(Text(Ids(0).pageLabel), L"2/2");
    Enter(Ids(0).physical[0], L"15");  // record 5
    EXPECT_FALSE(m_driver.Enabled(Ids(0).physical[2]));
    m_driver.SelectByData(Ids(0).count, 3);
    EXPECT_EQ(Text(Ids(0).pageLabel), L"1/1");
    EXPECT_FALSE(m_driver.Enabled(Ids(0).physical[3]));
    EXPECT_FALSE(m_driver.Enabled(Ids(0).next));
    m_driver.SelectByData(Ids(0).count, 5);  // the hidden record comes back
    ASSERT_TRUE(m_driver.Click(Ids(0).next));
    EXPECT_EQ(Text(Ids(0).physical[0]), L"15");
    EXPECT_TRUE(m_driver.Enabled(Ids(0).previous));
}

TEST_F(ChannelPage, RepeatedChannelNumbers) {
    struct Case {
        const wchar_t* physical[2];
        const wchar_t* logical[2];
        const wchar_t* tip;
    } cases[] = {
        {{L"0", L"0"}, {L"1", L"2"}, L""},
        {{L"5", L"5"}, {L"1", L"2"}, L"物理通道号5重复"},
        {{L"5", L"6"}, {L"3", L"3"}, L"逻辑通道号3重复"},
    };
    m_driver.SelectByData(Ids(0).count, 1);
    m_driver.SelectByData(Ids(1).count, 1);
    for (const Case& c : cases) {
        m_tips.Clear();
        for (int s = 0; s < 2; ++s) {
            Enter(Ids(s).physical[0], c.physical[s]);
            Enter(Ids(s).logical[0], c.logical[s]);
        }
        EXPECT_EQ(Save().empty(), c.tip[0] != L'\0');
        EXPECT_EQ(LastTip(), c.tip);
    }
    EXPECT_EQ(QueryList(), (Bytes{1, 0, 0, 0, 0x76}));
}

}  // namespace
}  // namespace mdvr::test
