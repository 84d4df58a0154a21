#pragma once
// The fixture every page test uses: one page of type Page created on the headless backend with
// the shipped Chinese language file, a terminal list to load, recorded saves and message tips.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pages/PageTestHost.h"
#include "protocol/DeviceProfile.h"
#include "support/RecordingMsgTipPresenter.h"

namespace mdvr::test {

// One operator edit: only group checked, edit holding text; the save sends sent (empty: refused)
// and, with a tip, shows one message tip holding it and puts the focus on the edit (without,
// no tip at all).
struct EditCase {
    const char* what;
    int group;
    int edit;
    const wchar_t* text;
    Bytes sent;
    const wchar_t* tip;
};

// A list the terminal reports: the texts its controls then show, the buttons then checked (a
// negative ID: clear), and what a save sends with only groups checked (none named: the boxes as
// they are). sent empty: refused; none: the list itself, byte for byte.
struct LoadCase {
    const char* what;
    Bytes list;
    std::vector<std::pair<int, std::wstring>> shown = {};
    std::vector<int> checked = {};
    std::optional<Bytes> sent = {};
    std::vector<int> groups = {};
};

// Clicks in turn, then the controls enabled (a negative ID: disabled).
struct EnableCase {
    const char* what;
    std::vector<int> clicks;
    std::vector<int> enabled;
};

template <typename Page>
class PageFixture : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        TheDeviceProfile() = {};
        UseShippedLanguage();
        ASSERT_TRUE(m_page.CreateInNative(&Host()));
        m_driver = Driver(Page::kTemplateId);
    }
    void TearDown() override {
        m_page.Destroy();
        TheDeviceProfile() = {};
        PageTest::TearDown();
    }

    // Loads list as the terminal's answer to a forced get.
    void Load(const Bytes& list) {
        TheHostRecord().fetchReply = list;
        ASSERT_TRUE(m_page.LoadParams(true));
    }
    // Saves and returns what the host received; empty when nothing was sent.
    Bytes Save() {
        const size_t before = TheHostRecord().sets.size();
        m_saved = m_page.SaveParams(false);
        return TheHostRecord().sets.size() == before ? Bytes{} : TheHostRecord().sets.back();
    }
    // Unchecks every group, then checks the given ones.
    void CheckOnly(const std::vector<int>& groups) {
        m_page.SetAllGroups(false);
        for (int group : groups) m_driver.Click(CDlgCfgBase::kFirstGroupId + group);
    }
    // The query list the get-this-page button sends.
    Bytes QueryList() {
        m_page.SetQuerySpecific(true);
        TheHostRecord().fetchReply = {0};
        m_page.LoadParams(true);
        m_page.SetQuerySpecific(false);
        return TheHostRecord().lastQuery;
    }
    // The user replaces the edit's text by typing.
    void Enter(int id, std::wstring_view text) {
        m_page.View().SetText(id, L"");
        m_driver.Type(id, text);
    }
    std::wstring Text(int id) const { return m_driver.Text(id); }
    std::wstring LastTip() const { return m_tips.LastText(); }
    void RunEditCase(const EditCase& c) {
        SCOPED_TRACE(c.what);
        CheckOnly({c.group});
        m_page.View().SetText(c.edit, c.text);
        ExpectSave(c.sent, c.tip);
        EXPECT_TRUE(c.tip == nullptr || m_page.View().FocusedId() == c.edit);
    }
    void RunLoadCase(const LoadCase& c) {
        SCOPED_TRACE(c.what);
        Load(c.list);
        for (const auto& [id, text] : c.shown) EXPECT_EQ(Text(id), text) << id;
        ExpectChecked(c.checked);
        if (!c.groups.empty()) CheckOnly(c.groups);
        EXPECT_EQ(Save(), c.sent.value_or(c.list));
    }
    void RunEnableCase(const EnableCase& c) {
        SCOPED_TRACE(c.what);
        for (int id : c.clicks) m_driver.Click(id);
        for (int id : c.enabled) EXPECT_EQ(m_driver.Enabled(std::abs(id)), id > 0) << std::abs(id);
    }
    void ExpectChecked(const std::vector<int>& ids) const {
        for (int id : ids) EXPECT_EQ(m_driver.Check(std::abs(id)), id > 0 ? 1 : 0) << std::abs(id);
    }
    // Saves and expects sent on the wire; with a tip, exactly one new message tip holding it,
    // without, none.
    void ExpectSave(const Bytes& sent, const wchar_t* tip) {
        const size_t tips = m_tips.Tips().size();
        EXPECT_EQ(Save(), sent);
        ASSERT_EQ(m_tips.Tips().size(), tips + (tip == nullptr ? 0 : 1));
        EXPECT_TRUE(tip == nullptr || LastTip().find(tip) != std::wstring::npos) << LastTip();
    }

    Page m_page;
    ui::DialogDriver m_driver{m_automation.Backend(), nullptr};
    RecordingMsgTipPresenter m_tips;
    bool m_saved = false;
};

// One item of a list: ID, then the value bytes.
inline Bytes Item(uint32_t id, const Bytes& value) {
    Bytes out{static_cast<uint8_t>(id >> 24), static_cast<uint8_t>(id >> 16),
              static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id),
              static_cast<uint8_t>(value.size())};
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

// An item of text bytes as they stand.
inline Bytes TextItem(uint32_t id, std::string_view text) {
    return Item(id, Bytes(text.begin(), text.end()));
}

// An item of a big-endian number in width bytes.
inline Bytes NumberItem(uint32_t id, uint32_t value, int width = 4) {
    Bytes out = Item(id, {});
    out[4] = static_cast<uint8_t>(width);
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
    return out;
}

// A whole list: the count byte, then the items.
inline Bytes List(const std::vector<Bytes>& items) {
    Bytes out{static_cast<uint8_t>(items.size())};
    for (const Bytes& item : items) out.insert(out.end(), item.begin(), item.end());
    return out;
}

}  // namespace mdvr::test
