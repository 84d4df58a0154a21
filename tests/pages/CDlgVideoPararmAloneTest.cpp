// Page 13: channel records four to a page, each edited in the popup container, and the special
// alarm recording parameters.
#include <gtest/gtest.h>

#include <functional>

#include "controls/CWndPopoTitle.h"
#include "pages/CDlgPopupContain.h"
#include "pages/CDlgVideoPararmAlone.h"
#include "pages/PageFixture.h"
#include "ui/headless/HeadlessView.h"

namespace mdvr::test {
namespace {

using Page = CDlgVideoPararmAlone;
using Editor = CDlgVideoParam;
constexpr const wchar_t* kInvalid = L"参数输入有误，请检查后重新输入";

// One channel's parameters: live CBR CIF, key frame 50, 15 fps, 512 kbps; recording VBR 720P,
// key frame 25, 25 fps, 2048 kbps; then the OSD mask (one byte short, two standard).
const Bytes kShortParams = {0x00, 0x00, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01,
                            0x05, 0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x07};
const Bytes kStandardParams = {0x00, 0x01, 0x00, 0x32, 0x0F, 0x00, 0x00, 0x02, 0x00, 0x01,
                               0x05, 0x00, 0x19, 0x19, 0x00, 0x00, 0x08, 0x00, 0x00, 0x07};

Bytes Records(uint8_t count, const Bytes& params, std::initializer_list<uint8_t> channels) {
    Bytes value{count};
    for (uint8_t channel : channels) {
        value.push_back(channel);
        value.insert(value.end(), params.begin(), params.end());
    }
    return value;
}

Bytes ItemOf(uint32_t id, const Bytes& value) {
    Bytes item{0, 0, static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id),
               static_cast<uint8_t>(value.size())};
    item.insert(item.end(), value.begin(), value.end());
    return item;
}

class AloneVideoPage : public PageFixture<Page> {
  protected:
    void UseStandardLayout() {
        TheDeviceProfile().protocolType = 3;
        TheDeviceProfile().devType = 6;
        m_page.ApplyDeviceProfile();
    }
    using Script = std::function<void(ui::DialogDriver& popup, ui::DialogDriver& editor)>;
    // Opens row's editor and runs script in it; returns the container's title.
    std::wstring Edit(int row, const Script& script) {
        std::wstring title;
        m_automation.OnNextModal([&](ui::DialogDriver& popup) {
            title = popup.Text(CWndPopoTitle::kId);
            ui::DialogDriver editor = Driver(Editor::kTemplateId);
            script(popup, editor);
        });
        EXPECT_TRUE(m_driver.Click(Page::kEditIds[row]));
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
    TheDeviceProfile().devType = 6;
    TheDeviceProfile().devSubType = 23;
    m_page.ApplyDeviceProfile();
    const Bytes value = Records(1, kShortParams, {2});
    Load(List({ItemOf(0x77, value), ItemOf(0x79, {30})}));
    EXPECT_EQ(Text(Page::kChannelIds[0]), L"2");
    EXPECT_FALSE(m_driver.Enabled(Page::kChannelIds[1]));
    EXPECT_FALSE(m_driver.Visible(Page::kDurationId));
    std::wstring storedKeyFrame;
    const std::wstring title = Edit(0, [&](ui::DialogDriver& popup, ui::DialogDriver& editor) {
        storedKeyFrame = editor.Text(Editor::kStreams[1].keyFrame);
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
    EXPECT_EQ(storedKeyFrame, L"25");
    EXPECT_EQ(Save(), List({ItemOf(0x77, value), ItemOf(0x79, {30})}));
}

TEST_F(AloneVideoPage, EditorClosesKeepOrDropTheEdits) {
    struct Case {
        const char* what;
        std::function<void(ui::DialogDriver& popup, ui::DialogDriver& editor)> close;
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
    UseStandardLayout();
    const Bytes value = Records(1, kStandardParams, {3});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({ItemOf(0x77, value)}));
        m_tips.Clear();
        if (c.answer >= 0) m_tips.AnswerNext({c.answer});
        Edit(0, [&](ui::DialogDriver& popup, ui::DialogDriver& editor) {
            editor.View()->SetText(Editor::kStreams[0].bitRate, L"");
            editor.Type(Editor::kStreams[0].bitRate, L"1024");
            c.close(popup, editor);
        });
        EXPECT_EQ(m_tips.Tips().size(), c.answer >= 0 ? 1u : 0u);
        Bytes expected = value;
        if (c.kept) expected[1 + 1 + 7] = 0x04;  // 1024 kbps = 00 00 04 00
        CheckOnly({0});
        EXPECT_EQ(Save(), List({ItemOf(0x77, expected)}));
        m_page.SetAllGroups(true);
    }
    // Closing an untouched editor asks nothing.
    m_tips.Clear();
    Edit(0, [](ui::DialogDriver& popup, auto&) {
        PressClose(popup);
        EXPECT_EQ(popup.View()->ModalResult(), CDlgPopupContain::kResultCancel);
    });
    EXPECT_TRUE(m_tips.Tips().empty());
}

TEST_F(AloneVideoPage, StandardPagesAndSpecialRecording) {
    UseStandardLayout();
    Load(List({ItemOf(0x77, Records(5, kStandardParams, {1, 2, 3, 4, 5})),
               ItemOf(0x79, {0x14, 0x05, 0x01})}));
    EXPECT_EQ(Text(Page::kThresholdId), L"20");
    EXPECT_EQ(Text(Page::kDurationId), L"5");
    EXPECT_EQ(Text(Page::kStartId), L"1");
    ASSERT_TRUE(m_driver.Click(Page::kNextId));
    EXPECT_EQ(Text(Page::kPageLabelId), L"2/2");
    EXPECT_EQ(Text(Page::kChannelIds[0]), L"5");
    EXPECT_FALSE(m_driver.Enabled(Page::kChannelIds[1]));
    Enter(Page::kChannelIds[0], L"9");
    Enter(Page::kDurationId, L"256");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(LastTip(), kInvalid);
    EXPECT_TRUE(m_driver.Focused(Page::kDurationId));
    Enter(Page::kDurationId, L"");  // empty is accepted and sent as 0
    Enter(Page::kThresholdId, L"98");
    m_driver.Spin(Page::kThresholdSpinId, 1);
    m_driver.Spin(Page::kThresholdSpinId, 1);
    EXPECT_EQ(Text(Page::kThresholdId), L"99");
    EXPECT_EQ(Save(), List({ItemOf(0x77, Records(5, kStandardParams, {1, 2, 3, 4, 9})),
                            ItemOf(0x79, {99, 0, 1})}));
    EXPECT_EQ(QueryList(), (Bytes{2, 0, 0, 0, 0x77, 0, 0, 0, 0x79}));
}

TEST_F(AloneVideoPage, GroupOffDisablesRowsAndPaging) {
    Load(List({ItemOf(0x77, Records(6, kShortParams, {1, 2, 3, 4, 5, 6}))}));
    EXPECT_TRUE(m_driver.Enabled(Page::kNextId));
    CheckOnly({1});
    for (int id : {Page::kChannelIds[0], Page::kEditIds[0], Page::kNextId, Page::kCountId}) {
        EXPECT_FALSE(m_driver.Enabled(id)) << id;
    }
    EXPECT_EQ(Save(), List({ItemOf(0x79, {0})}));
    CheckOnly({0});
    EXPECT_TRUE(m_driver.Enabled(Page::kEditIds[3]));
    EXPECT_FALSE(m_driver.Enabled(Page::kThresholdSpinId));  // the spin follows its edit
}

TEST_F(AloneVideoPage, TerminalListsThatDoNotAddUp) {
    Bytes cut = Records(2, kShortParams, {1, 2});
    cut.resize(cut.size() - 4);  // the second record's bit rate and OSD are missing
    Bytes cutSent = Records(2, kShortParams, {1, 2});
    std::fill(cutSent.end() - 4, cutSent.end(), 0);
    Bytes tail = Records(1, kShortParams, {1});
    tail.insert(tail.end(), {0xEE, 0xFF});
    struct Case {
        const char* what;
        Bytes received;
        Bytes sent;
        const wchar_t* pages;
    } cases[] = {
        {"a count larger than the records that follow", Records(9, kShortParams, {1, 2}),
         Records(2, kShortParams, {1, 2}), L"1/1"},
        {"a cut record reads zeros past its end", cut, cutSent, L"1/1"},
        {"bytes after the records travel back with them", tail, tail, L"1/1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(List({ItemOf(0x77, c.received)}));
        EXPECT_EQ(Text(Page::kPageLabelId), c.pages);
        CheckOnly({0});
        EXPECT_EQ(Save(), List({ItemOf(0x77, c.sent)}));
        m_page.SetAllGroups(true);
    }
    // More records than one item can carry are refused, not cut.
    m_driver.SelectByData(Page::kCountId, 13);
    m_tips.Clear();
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(LastTip(), L"一次最多设置12个通道的视频参数，请减少通道数");
    m_driver.SelectByData(Page::kCountId, 12);
    EXPECT_EQ(Save().size(), 1u + 5u + 1u + 12u * 20u + 5u + 1u);
}

}  // namespace
}  // namespace mdvr::test
