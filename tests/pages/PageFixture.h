#pragma once
// The host every page test runs on: the headless backend with the shipped Chinese language file,
// alarm names of the test's choosing, callbacks that record what a page sends and answer fetches
// from a stored list, recorded message tips, and the page under test with scripts to drive it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/CHostFile.h"
#include "pagebase/BcdTime.h"
#include "pagebase/CDlgCfgBase.h"
#include "protocol/DeviceProfile.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "support/RecordingMsgTipPresenter.h"
#include "support/ScratchDir.h"
#include "text/CLanguage.h"
#include "ui/headless/Automation.h"

namespace mdvr::test {

using Bytes = std::vector<uint8_t>;

struct HostRecord {
    Bytes fetchReply;  // what the get callback answers
    int lastGetCommand = -1;
    Bytes lastQuery;          // the request of the last get
    std::vector<Bytes> sets;  // every list the set callback received
};

inline HostRecord& TheHostRecord() {
    static HostRecord record;
    return record;
}

inline int MDVR_CALL RecordGet(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                               void* /*user*/) {
    HostRecord& host = TheHostRecord();
    host.lastGetCommand = command;
    host.lastQuery.assign(request->bytes, request->bytes + request->length);
    std::copy(host.fetchReply.begin(), host.fetchReply.end(), reply->bytes);
    reply->length = static_cast<uint32_t>(host.fetchReply.size());
    return 1;
}

inline int MDVR_CALL RecordSet(int /*command*/, MDVR_ParamBufferSmall* request,
                               MDVR_ParamBufferSmall* /*reply*/, void* /*user*/) {
    TheHostRecord().sets.emplace_back(request->bytes, request->bytes + request->length);
    return 1;
}

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
    Bytes out;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
    return Item(id, out);
}

// A whole list: the count byte, then the items.
inline Bytes List(const std::vector<Bytes>& items) {
    Bytes out{static_cast<uint8_t>(items.size())};
    for (const Bytes& item : items) out.insert(out.end(), item.begin(), item.end());
    return out;
}

// One step of a script on a page: the terminal's list, the boxes, what the operator does, or
// what the page then shows or sends.
struct Act {
    // clang-format off
    enum Op { kLoad, kOnly, kPut, kEnter, kType, kPaste, kClick, kPick, kChoose, kSpin, kTime,
              kShows, kChecked, kEnabled, kSelected, kTimeIs, kSends, kRefused } op;
    // clang-format on
    int id = 0;
    int value = 0;
    std::wstring text = {};
    Bytes list = {};
    std::vector<int> ids = {};
};
// The terminal reports list (a forced get).
inline const auto Got = [](Bytes l) { return Act{Act::kLoad, 0, 0, {}, l}; };
// Only the given boxes checked.
inline const auto Only = [](std::vector<int> v) { return Act{Act::kOnly, 0, 0, {}, {}, v}; };
// The edit's text written behind the page's back, as a paste would leave it.
inline const auto Put = [](int id, std::wstring t) { return Act{Act::kPut, id, 0, t}; };
// The operator empties the edit and types text.
inline const auto Typed = [](int id, std::wstring t) { return Act{Act::kEnter, id, 0, t}; };
// The operator types text after what the edit holds.
inline const auto Keys = [](int id, std::wstring t) { return Act{Act::kType, id, 0, t}; };
inline const auto Paste = [](int id, std::wstring t) { return Act{Act::kPaste, id, 0, t}; };
inline const auto Click = [](int id) { return Act{Act::kClick, id}; };
// The list entry carrying data picked.
inline const auto Pick = [](int id, int v) { return Act{Act::kPick, id, v}; };
inline const auto Choose = [](int id, int v) { return Act{Act::kChoose, id, v}; };
inline const auto Spin = [](int id, int v) { return Act{Act::kSpin, id, v}; };
// The picker set to hhmmss of today.
inline const auto Clock = [](int id, int v) { return Act{Act::kTime, id, v}; };
inline const auto Shows = [](int id, std::wstring t) { return Act{Act::kShows, id, 0, t}; };
// Boxes and buttons checked; a negative ID: clear.
inline const auto Checked = [](std::vector<int> v) { return Act{Act::kChecked, 0, 0, {}, {}, v}; };
// Controls enabled; a negative ID: disabled.
inline const auto Enabled = [](std::vector<int> v) { return Act{Act::kEnabled, 0, 0, {}, {}, v}; };
// The list's selected entry carries data.
inline const auto Selected = [](int id, int v) { return Act{Act::kSelected, id, v}; };
// The picker shows hhmm.
inline const auto TimeIs = [](int id, int v) { return Act{Act::kTimeIs, id, v}; };
// A save sends list and shows no message.
inline const auto Sends = [](Bytes l) { return Act{Act::kSends, 0, 0, {}, l}; };
// A save sends nothing, shows one message holding tip and puts the focus on focus (0: anywhere).
inline const auto Refused = [](std::wstring t, int focus = 0) {
    return Act{Act::kRefused, focus, 0, t};
};

// A script run on a fresh page of that number for a terminal of that device.
struct PageCase {
    int page;
    const char* what;
    std::vector<Act> script;
    DeviceProfile device = {};
};

class AnyPageFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        m_automation.Backend().Reset();
        TheParamCache() = {};
        TheHostRecord() = {};
        TheDeviceProfile() = {};
        HostCallbacks& callbacks = TheHostCallbacks();
        callbacks = {};
        callbacks.getFunc = &RecordGet;
        callbacks.setFunc = &RecordSet;
        std::filesystem::create_directories(Folder());
        UseShippedLanguage();
        SetAlarmNames("");
        CHostFile::SetFolder(Folder().wstring());
    }
    void TearDown() override {
        if (m_base != nullptr) m_base->Destroy();
        TheDeviceProfile() = {};
        CHostFile::SetFolder(L"");
    }

    // One folder per test process: ctest runs test processes side by side.
    static const std::filesystem::path& Folder() {
        static const ScratchDir folder("mdvr_page_tests");
        return folder.Path();
    }
    static void WriteFile(const char* name, const std::string& text) {
        WriteFileText(Folder() / name, text);
    }
    static void UseShippedLanguage() {
        CLanguage::Instance().SetFile(
            (std::filesystem::path(MDVR_SOURCE_DIR) / "lang" / "zh-CN.ini").wstring());
    }
    // HostAlarmNames.ini contents; empty keeps the standard names.
    static void SetAlarmNames(const std::string& text) {
        WriteFile("HostAlarmNames.ini", text);
        CHostFile::ReloadAll();
    }
    ui::HostWindow& Host() { return m_automation.Backend().CreateHostWindow({0, 0, 1000, 670}); }
    ui::DialogDriver Driver(int templateId) const { return m_automation.Find(templateId); }

    // Creates page as the page under test.
    void Open(CDlgCfgBase& page) {
        ASSERT_TRUE(page.CreateInNative(&Host()));
        m_base = &page;
        m_driver = Driver(page.Decl().templateId);
    }
    // Loads list as the terminal's answer to a forced get.
    void Load(const Bytes& list) {
        TheHostRecord().fetchReply = list;
        ASSERT_TRUE(m_base->LoadParams(true));
    }
    // Saves and returns what the host received; empty when nothing was sent.
    Bytes Save() {
        const size_t before = TheHostRecord().sets.size();
        m_base->SaveParams(false);
        return TheHostRecord().sets.size() == before ? Bytes{} : TheHostRecord().sets.back();
    }
    void CheckOnly(const std::vector<int>& groups) {
        m_base->SetAllGroups(false);
        for (int group : groups) m_driver.Click(CDlgCfgBase::kFirstGroupId + group);
    }
    // The query list the get-this-page button sends.
    Bytes QueryList() {
        m_base->SetQuerySpecific(true);
        TheHostRecord().fetchReply = {0};
        m_base->LoadParams(true);
        m_base->SetQuerySpecific(false);
        return TheHostRecord().lastQuery;
    }
    void Enter(int id, std::wstring_view text) {
        m_base->View().SetText(id, L"");
        m_driver.Type(id, text);
    }
    std::wstring Text(int id) const { return m_driver.Text(id); }
    std::wstring LastTip() const { return m_tips.LastText(); }
    void Do(const Act& a) {
        ui::DateTime t = LocalNow();
        switch (a.op) {
            case Act::kLoad:
                return Load(a.list);
            case Act::kOnly:
                return CheckOnly(a.ids);
            case Act::kPut:
                return m_base->View().SetText(a.id, a.text);
            case Act::kEnter:
                return Enter(a.id, a.text);
            case Act::kType:
                m_driver.Type(a.id, a.text);
                return;
            case Act::kPaste:
                m_driver.Paste(a.id, a.text);
                return;
            case Act::kClick:
                m_driver.Click(a.id);
                return;
            case Act::kPick:
                m_driver.SelectByData(a.id, static_cast<uint32_t>(a.value));
                return;
            case Act::kChoose:
                m_driver.SelectIndex(a.id, a.value);
                return;
            case Act::kSpin:
                m_driver.Spin(a.id, a.value);
                return;
            case Act::kTime:
                t.hour = a.value / 10000;
                t.minute = a.value / 100 % 100;
                t.second = a.value % 100;
                m_driver.SetTime(a.id, t);
                return;
            case Act::kShows:
                EXPECT_EQ(Text(a.id), a.text) << a.id;
                return;
            case Act::kChecked:
                return ExpectChecked(a.ids);
            case Act::kEnabled:
                for (int id : a.ids) EXPECT_EQ(m_driver.Enabled(std::abs(id)), id > 0) << id;
                return;
            case Act::kSelected:
                EXPECT_EQ(m_driver.SelData(a.id), Unsigned(a.value));
                return;
            case Act::kTimeIs:
                t = m_driver.Time(a.id);
                EXPECT_EQ(t.hour * 100 + t.minute, a.value) << a.id;
                return;
            case Act::kSends:
                return ExpectSave(a.list, nullptr);
            case Act::kRefused:
                ExpectSave({}, a.text.c_str());
                EXPECT_TRUE(a.id == 0 || m_driver.Focused(a.id)) << a.id;
        }
    }
    static uint32_t Unsigned(int value) { return static_cast<uint32_t>(value); }
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

    ui::Automation m_automation;
    CDlgCfgBase* m_base = nullptr;
    ui::DialogDriver m_driver{m_automation.Backend(), nullptr};
    RecordingMsgTipPresenter m_tips;
};

template <typename Page>
class PageFixture : public AnyPageFixture {
  protected:
    void SetUp() override {
        AnyPageFixture::SetUp();
        Open(m_page);
    }

    Page m_page;
};

}  // namespace mdvr::test
