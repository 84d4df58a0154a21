// Pages 11 to 13: the audio/video parameter record, the channel list and the channel records in
// their pop-up editor, in the layouts of the terminals that use them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controls/CWndPopoTitle.h"
#include "pages/CDlgAVChannelList.h"
#include "pages/CDlgPopupContain.h"
#include "pages/CDlgVideoParam.h"
#include "pages/CDlgVideoPararmAlone.h"
#include "pages/PageFixture.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

using Editor = CDlgVideoParam;
using Alone = CDlgVideoPararmAlone;
constexpr const Editor::StreamIds& kLive = Editor::kStreams[0];
constexpr const Editor::StreamIds& kStored = Editor::kStreams[1];
constexpr const wchar_t* kInvalid = L"参数输入有误，请检查后重新输入";

// Live: CBR, CIF, key frame 50, 15 fps, 512 kbps. Recording: VBR, 720P, key frame 25, 25 fps,
// 2048 kbps. OSD date and time, plate, channel; audio on.
const Bytes kStandard = {0x00, 0x01, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01, 0x05,
                         0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x00, 0x07, 0x01};
// The same for a sub-type 23 terminal: CIF is code 0, 720P code 5; 8-bit OSD, no audio.
const Bytes kShort = {0x00, 0x00, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01,
                      0x05, 0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x07};
// One channel's standard record on page 13: no audio byte.
const Bytes kChannelParams(kStandard.begin(), kStandard.end() - 1);

Bytes With(Bytes value, size_t at, std::initializer_list<uint8_t> bytes) {
    if (value.size() < at + bytes.size()) value.resize(at + bytes.size());
    std::copy(bytes.begin(), bytes.end(), value.begin() + static_cast<long>(at));
    return value;
}

enum class Device { kStandard, kSubType23, kOther };

void Use(CDlgCfgBase& page, Device device) {
    TheDeviceProfile() = {};
    TheDeviceProfile().devType = 6;
    if (device == Device::kStandard) TheDeviceProfile().protocolType = 3;
    if (device == Device::kSubType23) TheDeviceProfile().devSubType = 23;
    page.ApplyDeviceProfile();
}

// --- page 11 ---

class VideoParamPage : public PageFixture<Editor> {
  protected:
    bool Refused() { return Save().empty() && LastTip() == kInvalid; }
};

Bytes VideoList(const Bytes& value) {
    return List({Item(0x75, value)});
}

TEST_F(VideoParamPage, ReceivedRecordsShowAndGoBackUnchanged) {
    struct Case {
        const char* what;
        Device device;
        Bytes received;
        std::vector<int> osd;  // boxes checked
        const wchar_t* live;   // the live resolution's entry
        Bytes sent = {};       // empty: as received
    } cases[] = {
        {"standard", Device::kStandard, kStandard, {4088, 4089, 4090}, L"CIF", {}},
        {"custom 105", Device::kStandard, With(kStandard, 1, {105}), {4088, 4089, 4090}, L"自定义"},
        {"hidden OSD bits 8 and 15 kept",
         Device::kStandard,
         With(kStandard, 18, {0x81, 0x05}),
         {4088, 4090, 4096, 4107},
         L"CIF"},
        {"sub-type 23 code 8 is WCIF",
         Device::kSubType23,
         With(kShort, 1, {8}),
         {4088, 4089, 4090},
         L"WCIF"},
        {"extra bytes kept",
         Device::kStandard,
         With(kStandard, 21, {0xAA, 0x55}),
         {4088, 4089, 4090},
         L"CIF"},
        {"no audio byte reads off",
         Device::kStandard,
         {kStandard.begin(), kStandard.end() - 1},
         {4088, 4089, 4090},
         L"CIF",
         With(kStandard, 20, {0})},
        {"short layout, OSD in the last byte",
         Device::kOther,
         With(kShort, 18, {0x85}),
         {4088, 4090, 4095},
         L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Use(m_page, c.device);
        Load(VideoList(c.received));
        for (int box : {4088, 4089, 4090, 4091, 4095, 4096, 4107}) {
            EXPECT_EQ(m_driver.Check(box), std::count(c.osd.begin(), c.osd.end(), box)) << box;
        }
        const int sel = m_driver.Sel(kLive.resolution);
        EXPECT_EQ(sel < 0 ? L"" : m_driver.Entries(kLive.resolution)[static_cast<size_t>(sel)],
                  c.live);
        if (c.device == Device::kOther) {
            EXPECT_TRUE(Refused());  // no resolution list for this device
            continue;
        }
        EXPECT_EQ(Text(kStored.keyFrame), L"25");
        EXPECT_TRUE(c.received[1] != 105 || Text(kLive.customResolution) == L"105");
        EXPECT_EQ(Save(), VideoList(c.sent.empty() ? c.received : c.sent));
    }
}

TEST_F(VideoParamPage, ShortLayoutSendsNineteenBytes) {
    Use(m_page, Device::kSubType23);
    Load(VideoList(With(kShort, 18, {0x05})));
    m_driver.Click(4095);  // bit 7 has no box a user sees
    EXPECT_FALSE(m_driver.Visible(4095));
    m_driver.Click(4091);
    EXPECT_EQ(Save(), VideoList(With(kShort, 18, {0x0D})));
    EXPECT_EQ(m_driver.Entries(kLive.frameRate).size(), 30u);
}

TEST_F(VideoParamPage, ValuesASaveRefuses) {
    struct Case {
        int edit;
        const wchar_t* text;
        bool refused;
    } cases[] = {
        {kLive.keyFrame, L"0", true},        {kStored.keyFrame, L"1001", true},
        {kLive.keyFrame, L"1", false},       {kStored.keyFrame, L"1000", false},
        {kLive.customEncode, L"99", true},   {kStored.customResolution, L"128", true},
        {kLive.customEncode, L"100", false}, {kStored.customResolution, L"127", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.edit << " " << c.refused);
        Use(m_page, Device::kStandard);
        Load(VideoList(kStandard));
        m_driver.SelectByData(kLive.encode, Editor::kCustomValue);
        m_driver.SelectByData(kStored.resolution, Editor::kCustomValue);
        Enter(kLive.customEncode, L"110");
        Enter(kStored.customResolution, L"110");
        Enter(c.edit, c.text);
        m_tips.Clear();
        EXPECT_EQ(Refused(), c.refused);
        EXPECT_TRUE(!c.refused || m_driver.Focused(c.edit));
    }
    Load(VideoList(With(kStandard, 13, {0})));  // frame rate 0 selects nothing
    EXPECT_EQ(m_driver.Sel(kStored.frameRate), -1);
    EXPECT_TRUE(Refused());
    Use(m_page, Device::kSubType23);
    Load(VideoList(With(kShort, 1, {105})));  // no custom entry for this device
    EXPECT_EQ(m_driver.Sel(kLive.resolution), -1);
    EXPECT_TRUE(Refused());
}

TEST_F(VideoParamPage, CustomEntryTakesTheEditAndTheSpin) {
    Use(m_page, Device::kStandard);
    Load(VideoList(kStandard));
    EXPECT_FALSE(m_driver.Enabled(kLive.customEncode));
    m_driver.Focus(kLive.encode);
    m_driver.SelectByData(kLive.encode, Editor::kCustomValue);
    EXPECT_TRUE(m_driver.Enabled(kLive.customEncode));
    EXPECT_TRUE(m_driver.Focused(kLive.customEncode));
    for (const Act& a :
         {Typed(kLive.customEncode, L"126"), Spin(kLive.customEncodeSpin, 1),
          Spin(kLive.customEncodeSpin, 1), Shows(kLive.customEncode, L"127"),
          Typed(kLive.keyFrame, L"2"), Spin(kLive.keyFrameSpin, -1), Spin(kLive.keyFrameSpin, -1),
          Shows(kLive.keyFrame, L"1"), Pick(kLive.encode, 2), Enabled({-kLive.customEncode}),
          Sends(VideoList(With(kStandard, 0, {2, 1, 0, 1})))}) {
        Do(a);
    }
}

// --- page 12 ---

using Channels = CDlgAVChannelList;

class ChannelPage : public PageFixture<Channels> {
  protected:
    static Bytes List76(std::initializer_list<uint8_t> value) { return List({Item(0x76, value)}); }
    const Channels::SectionIds& Ids(int section) const { return Channels::kSectionIds[section]; }
};

TEST_F(ChannelPage, StandardListShowsEverySectionAndGoesBackUnchanged) {
    Use(m_page, Device::kStandard);
    const Bytes list = List76({2, 1, 1, 1, 1, 0, 1, 2, 2, 0, 0, 3, 3, 1, 0, 4, 4, 2, 1});
    Load(list);
    EXPECT_EQ(Text(Ids(0).physical[1]), L"2");
    EXPECT_EQ(m_driver.Check(Ids(0).flag[0]), 1);
    EXPECT_FALSE(m_driver.Enabled(Ids(0).physical[2]));
    EXPECT_EQ(Text(Ids(1).logical[0]), L"3");
    EXPECT_FALSE(m_driver.Visible(Ids(1).flag[0]));  // audio outputs are kept, not shown
    EXPECT_EQ(Text(Ids(2).physical[0]), L"4");
    EXPECT_EQ(m_driver.Check(Ids(2).flag[0]), 1);
    EXPECT_EQ(Save(), list);
}

TEST_F(ChannelPage, TerminalListsThatDoNotAddUp) {
    struct Case {
        const char* what;
        Device device;
        Bytes received;
        Bytes sentStart;  // the value's first bytes
    } cases[] = {
        {"a record of an unknown type is dropped, the counts stay",
         Device::kStandard,
         List76({1, 0, 1, 1, 1, 3, 0, 2, 2, 0, 0}),
         {1, 0, 1, 2, 2, 0, 0, 0, 0, 2, 0}},
        {"counts larger than the records there are",
         Device::kOther,
         List76({16, 16, 5, 6, 0, 1}),
         {16, 16, 5, 6, 0, 1, 0, 0, 0, 0}},
        {"a short list drops the video section",
         Device::kOther,
         List76({1, 1, 1, 1, 0, 0, 2, 2, 1, 1}),
         {1, 1, 1, 1, 0, 0, 2, 2, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Use(m_page, c.device);
        Load(c.received);
        const Bytes sent = Save();
        ASSERT_GE(sent.size(), 6 + c.sentStart.size());  // count byte, ID, length
        EXPECT_EQ(Bytes(sent.begin() + 6, sent.begin() + 6 + static_cast<long>(c.sentStart.size())),
                  c.sentStart);
    }
}

TEST_F(ChannelPage, ShortLayoutIgnoresTheHiddenVideoCount) {
    m_driver.SelectByData(Ids(0).count, 1);
    m_driver.SelectByData(Ids(1).count, 1);
    m_page.View().SetSel(Ids(2).count, 3);
    Enter(Ids(0).physical[0], L"1");
    Enter(Ids(1).physical[0], L"2");
    EXPECT_EQ(Save(), List76({1, 1, 1, 0, 0, 0, 2, 0, 1, 0}));
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
}

// --- page 13 ---

Bytes Records(uint8_t count, const Bytes& params, std::initializer_list<uint8_t> channels) {
    Bytes value{count};
    for (uint8_t channel : channels) {
        value.push_back(channel);
        value.insert(value.end(), params.begin(), params.end());
    }
    return value;
}

class AloneVideoPage : public PageFixture<Alone> {
  protected:
    using Script = std::function<void(ui::DialogDriver& popup, ui::DialogDriver& editor)>;
    // Opens row's editor and runs script in it; returns the container's title.
    std::wstring Edit(int row, const Script& script) {
        std::wstring title;
        m_automation.OnNextModal([&](ui::DialogDriver& popup) {
            title = popup.Text(CWndPopoTitle::kId);
            ui::DialogDriver editor = Driver(Editor::kTemplateId);
            script(popup, editor);
        });
        EXPECT_TRUE(m_driver.Click(Alone::kEditIds[row]));
        return title;
    }
    // Closing the pop-up, as the platform reports it.
    static void PressClose(ui::DialogDriver& popup) {
        ui::Notification cancel;
        cancel.id = CDlgPopupContain::kCancelId;
        popup.View()->Sink().OnInput(cancel);
    }
};

TEST_F(AloneVideoPage, ShortRecordOpensInTheEditorAndGoesBackUnchanged) {
    Use(m_page, Device::kSubType23);
    const Bytes list = List({Item(0x77, Records(1, kShort, {2})), Item(0x79, {30})});
    Load(list);
    EXPECT_FALSE(m_driver.Enabled(Alone::kChannelIds[1]));
    EXPECT_FALSE(m_driver.Visible(Alone::kDurationId));
    const std::wstring title = Edit(0, [&](ui::DialogDriver& popup, ui::DialogDriver& editor) {
        EXPECT_EQ(editor.Text(kStored.keyFrame), L"25");
        EXPECT_FALSE(editor.Visible(Editor::kAudioId));
        // The frame fits the editor, title strip and margins included.
        const ui::Point frame = popup.View()->ClientSize();
        const ui::Point page = editor.View()->ClientSize();
        EXPECT_EQ(frame.x, page.x + 2 * CDlgPopupContain::kMargin);
        EXPECT_GT(frame.y, page.y + 2 * CDlgPopupContain::kMargin);
        editor.Click(Editor::kSaveId);
        EXPECT_EQ(popup.View()->ModalResult(), CDlgPopupContain::kResultOk);
    });
    EXPECT_EQ(title, L"逻辑通道号=2");
    EXPECT_EQ(Save(), list);
}

TEST_F(AloneVideoPage, EditorClosesKeepOrDropTheEdits) {
    struct Case {
        const char* what;
        Script close;
        int answer;  // to the question closing asks, -1 none
        bool kept;
    } cases[] = {
        {"save", [](auto&, ui::DialogDriver& e) { e.Click(Editor::kSaveId); }, -1, true},
        {"exit", [](auto&, ui::DialogDriver& e) { e.Click(Editor::kExitId); }, -1, false},
        {"closed, user keeps editing, then saves",
         [](ui::DialogDriver& p, ui::DialogDriver& e) {
             PressClose(p);
             EXPECT_FALSE(p.View()->ModalResult().has_value());
             e.Click(Editor::kSaveId);
         },
         0, true},
        {"closed, user discards", [](ui::DialogDriver& p, auto&) { PressClose(p); }, 1, false},
    };
    Use(m_page, Device::kStandard);
    const Bytes value = Records(1, kChannelParams, {3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({Item(0x77, value)}));
        m_tips.Clear();
        if (c.answer >= 0) m_tips.AnswerNext({c.answer});
        Edit(0, [&](ui::DialogDriver& popup, ui::DialogDriver& editor) {
            editor.View()->SetText(kLive.bitRate, L"");
            editor.Type(kLive.bitRate, L"1024");
            c.close(popup, editor);
        });
        EXPECT_EQ(m_tips.Tips().size(), c.answer >= 0 ? 1u : 0u);
        CheckOnly({0});
        EXPECT_EQ(Save(), List({Item(0x77, c.kept ? With(value, 9, {0x04}) : value)}));
        m_page.SetAllGroups(true);
    }
    m_tips.Clear();  // closing an untouched editor asks nothing
    Edit(0, [](ui::DialogDriver& popup, auto&) {
        PressClose(popup);
        EXPECT_EQ(popup.View()->ModalResult(), CDlgPopupContain::kResultCancel);
    });
    EXPECT_TRUE(m_tips.Tips().empty());
}

TEST_F(AloneVideoPage, StandardPagesAndSpecialRecording) {
    Use(m_page, Device::kStandard);
    Load(List(
        {Item(0x77, Records(5, kChannelParams, {1, 2, 3, 4, 5})), Item(0x79, {0x14, 0x05, 0x01})}));
    EXPECT_EQ(Text(Alone::kThresholdId), L"20");
    EXPECT_EQ(Text(Alone::kStartId), L"1");
    ASSERT_TRUE(m_driver.Click(Alone::kNextId));
    EXPECT_EQ(Text(Alone::kPageLabelId), L"2/2");
    EXPECT_EQ(Text(Alone::kChannelIds[0]), L"5");
    EXPECT_FALSE(m_driver.Enabled(Alone::kChannelIds[1]));
    for (const Act& a : {Typed(Alone::kChannelIds[0], L"9"), Typed(Alone::kDurationId, L"256"),
                         Refused(kInvalid, Alone::kDurationId), Typed(Alone::kDurationId, L""),
                         Typed(Alone::kThresholdId, L"98"), Spin(Alone::kThresholdSpinId, 1),
                         Spin(Alone::kThresholdSpinId, 1), Shows(Alone::kThresholdId, L"99"),
                         Sends(List({Item(0x77, Records(5, kChannelParams, {1, 2, 3, 4, 9})),
                                     Item(0x79, {99, 0, 1})}))}) {
        Do(a);  // an empty duration is sent as 0
    }
}

TEST_F(AloneVideoPage, GroupOffDisablesRowsAndPaging) {
    Load(List({Item(0x77, Records(6, kShort, {1, 2, 3, 4, 5, 6}))}));
    EXPECT_TRUE(m_driver.Enabled(Alone::kNextId));
    CheckOnly({1});
    for (int id : {Alone::kChannelIds[0], Alone::kEditIds[0], Alone::kNextId, Alone::kCountId}) {
        EXPECT_FALSE(m_driver.Enabled(id)) << id;
    }
    EXPECT_EQ(Save(), List({Item(0x79, {0})}));
    CheckOnly({0});
    EXPECT_TRUE(m_driver.Enabled(Alone::kEditIds[3]));
    EXPECT_FALSE(m_driver.Enabled(Alone::kThresholdSpinId));  // the spin follows its edit
}

TEST_F(AloneVideoPage, TerminalListsThatDoNotAddUp) {
    Bytes cut = Records(2, kShort, {1, 2});
    cut.resize(cut.size() - 4);  // the second record's bit rate and OSD are missing
    Bytes cutSent = Records(2, kShort, {1, 2});
    std::fill(cutSent.end() - 4, cutSent.end(), 0);
    Bytes tail = Records(1, kShort, {1});
    tail.insert(tail.end(), {0xEE, 0xFF});
    const std::pair<Bytes, Bytes> cases[] = {
        {Records(9, kShort, {1, 2}), Records(2, kShort, {1, 2})},  // a count past the records
        {cut, cutSent},                                            // zeros past the end
        {tail, tail},  // bytes after the records travel back with them
    };
    for (const auto& [received, sent] : cases) {
        Load(List({Item(0x77, received)}));
        EXPECT_EQ(Text(Alone::kPageLabelId), L"1/1");
        CheckOnly({0});
        EXPECT_EQ(Save(), List({Item(0x77, sent)}));
        m_page.SetAllGroups(true);
    }
    // More records than one item can carry are refused, not cut.
    m_driver.SelectByData(Alone::kCountId, 13);
    ExpectSave({}, L"一次最多设置12个通道的视频参数，请减少通道数");
    m_driver.SelectByData(Alone::kCountId, 12);
    EXPECT_EQ(Save().size(), 1u + 5u + 1u + 12u * 20u + 5u + 1u);
}

}  // namespace
}  // namespace mdvr::test
