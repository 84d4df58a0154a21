// FetchParams, ParseParamList and SaveParams against a fake page and a fake host.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "host/CLogFile2.h"
#include "protocol/HostCallbacks.h"
#include "protocol/ParamCache.h"
#include "protocol/ParamExchange.h"
#include "protocol/QueryListWriter.h"
#include "support/ScratchDir.h"
#include "text/CodePage.h"

namespace mdvr {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kExample = {0x02, 0, 0, 0, 1, 4, 0, 0, 0, 0x3C, 0, 0, 0, 0x13, 0};
const Bytes kOther = {1, 0, 0, 0, 2, 1, 5};

using Seen = std::vector<std::array<int, 3>>;  // each parsed item's ID, length and value offset

class FakePage : public IParamPage {
  public:
    bool BuildParamList(std::span<uint8_t> list, uint32_t* length) override {
        std::copy(m_list.begin(), m_list.end(), list.begin());
        *length = m_claimedLength != 0 ? m_claimedLength : static_cast<uint32_t>(m_list.size());
        return m_buildOk;
    }
    void OnParamsSaved(const uint8_t* reply, uint32_t replyLength) override {
        ++m_savedCalls;
        m_savedReply = reply == nullptr ? Bytes{0xDE, 0xAD} : Bytes(reply, reply + replyLength);
    }
    void ParseParamItem(uint32_t id, uint8_t length, const uint8_t*, int offset) override {
        m_seen.push_back({static_cast<int>(id), length, offset});
    }
    bool ValidateInput() override {
        m_multiDuringValidation = IsMultiSave();
        return m_valid;
    }
    void BuildQueryList(std::span<uint8_t> list, uint32_t* length) override {
        QueryListWriter writer(list);
        for (uint32_t id : {0x0001u, 0x0013u}) writer.Append(id);
        *length = writer.Finish();
    }
    void GetBatchKind(uint32_t* kind, uint32_t* extra) override {
        *kind = 0x45;
        *extra = 0x07;
    }

    Bytes m_list = {1, 0, 0, 0, 0x21, 1, 9};
    uint32_t m_claimedLength = 0;
    bool m_buildOk = true;
    bool m_valid = true;
    bool m_multiDuringValidation = false;
    Seen m_seen;
    int m_savedCalls = 0;
    Bytes m_savedReply;
};

// The host: answers from stored bytes and records what it was given.
struct FakeHost {
    int m_result = 1;
    Bytes m_reply = kExample;
    uint32_t m_replyLength = 15;
    int m_getCalls = 0;
    int m_lastCommand = -1;
    Bytes m_lastRequest;
    Bytes m_multiRecord;
    Bytes m_sentList;

    void Reply(const Bytes& reply) {
        m_reply = reply;
        m_replyLength = static_cast<uint32_t>(reply.size());
    }
    template <typename Buffer>
    static int Answer(void* user, int command, const Buffer* request, Buffer* reply,
                      Bytes FakeHost::*keep) {
        auto* host = static_cast<FakeHost*>(user);
        host->m_lastCommand = command;
        (host->*keep).assign(request->bytes, request->bytes + request->length);
        std::copy(host->m_reply.begin(), host->m_reply.end(), reply->bytes);
        reply->length = host->m_replyLength;
        return host->m_result;
    }
    static int MDVR_CALL Get(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                             void* user) {
        ++static_cast<FakeHost*>(user)->m_getCalls;
        return Answer(user, command, request, reply, &FakeHost::m_lastRequest);
    }
    static int MDVR_CALL Set(int command, MDVR_ParamBufferSmall* request,
                             MDVR_ParamBufferSmall* reply, void* user) {
        return Answer(user, command, request, reply, &FakeHost::m_sentList);
    }
    static int MDVR_CALL MultiSet(MDVR_BatchSetRecord* record, MDVR_ParamBuffer* list, void* user) {
        auto* host = static_cast<FakeHost*>(user);
        const auto* raw = reinterpret_cast<const uint8_t*>(record);
        host->m_multiRecord.assign(raw, raw + sizeof(*record));
        host->m_sentList.assign(list->bytes, list->bytes + list->length);
        return host->m_result;
    }
};

uint32_t g_tick = 0;

class ParamExchangeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SetAnsiCharset("UTF-8"));
        TheParamCache() = ParamCache{};
        TheHostCallbacks() = {&FakeHost::Set,      nullptr, &m_host, &FakeHost::Get, &m_host,
                              &FakeHost::MultiSet, &m_host};
        g_tick = 1000;
        SetTickSource([] { return g_tick; });
        m_host = FakeHost{};
        std::filesystem::remove(m_log);
        CLogFile2::Instance().SetFile(m_log);
    }
    void TearDown() override {
        SetTickSource(nullptr);
        CLogFile2::Instance().SetFile(std::filesystem::path());
    }

    // Fetches and parses like the page base does; Bytes of the handed-out list.
    bool Load(FakePage& page, bool force, Bytes* shown = nullptr) {
        const uint8_t* list = nullptr;
        uint32_t length = 0;
        const bool ok = FetchParams(page, list, length, force);
        if (ok) ParseParamList(page, list, length);
        if (shown != nullptr && list != nullptr) shown->assign(list, list + length);
        return ok;
    }

    FakeHost m_host;
    test::ScratchDir m_scratch{"mdvr_protocol"};
    const std::filesystem::path m_log = m_scratch.Path() / "exchange.log";
};

TEST_F(ParamExchangeTest, OneFetchServesEveryPageOnceUntilForced) {
    FakePage first, second;
    Bytes shown;
    EXPECT_TRUE(Load(first, false, &shown));
    EXPECT_EQ(m_host.m_getCalls, 1);
    EXPECT_EQ(m_host.m_lastCommand, MDVR_CMD_GET_ALL);
    EXPECT_TRUE(m_host.m_lastRequest.empty());
    EXPECT_EQ(shown, kExample);
    EXPECT_EQ(first.m_seen, (Seen{{1, 4, 6}}));

    g_tick = 2000;
    EXPECT_TRUE(Load(second, false, &shown));
    EXPECT_EQ(m_host.m_getCalls, 1);
    EXPECT_EQ(shown, kExample);

    const uint8_t* untouched = kExample.data();
    uint32_t length = 77;
    EXPECT_FALSE(FetchParams(first, untouched, length, false));
    EXPECT_EQ(untouched, kExample.data());
    EXPECT_EQ(length, 77u);

    g_tick = 3000;  // a forced load asks again and refreshes the other page once
    m_host.Reply(kOther);
    EXPECT_TRUE(Load(second, true));
    EXPECT_EQ(m_host.m_getCalls, 2);
    EXPECT_TRUE(Load(first, false, &shown));
    EXPECT_EQ(shown, kOther);
    EXPECT_FALSE(Load(second, false));

    g_tick = 0x80000000u;  // stamps compare unsigned: this one is negative as a signed number
    EXPECT_TRUE(Load(first, true));
    FakePage other;
    other.SetLoadedStamp(5);
    EXPECT_TRUE(Load(other, false));
    EXPECT_EQ(other.LoadedStamp(), 0x80000000u);
}

TEST_F(ParamExchangeTest, FailedFetchKeepsOlderSlotAndStillStamps) {
    FakePage first, second;
    m_host.m_result = 0;
    Bytes shown = {9};
    EXPECT_FALSE(Load(first, true, &shown));
    EXPECT_EQ(TheParamCache().stamp, 1000u);
    EXPECT_TRUE(Load(second, false, &shown));
    EXPECT_TRUE(shown.empty());  // nothing ever fetched: an empty list
    TheHostCallbacks().getFunc = nullptr;
    g_tick = 1200;
    EXPECT_FALSE(Load(first, true));
    EXPECT_EQ(TheParamCache().stamp, 1200u);
    TheHostCallbacks().getFunc = &FakeHost::Get;

    m_host.m_result = 1;
    g_tick = 2000;
    EXPECT_TRUE(Load(first, true));
    m_host.m_result = 0;
    m_host.m_reply = kOther;
    g_tick = 3000;
    EXPECT_FALSE(Load(first, true));
    EXPECT_EQ(TheParamCache().stamp, 3000u);
    EXPECT_TRUE(Load(second, false, &shown));
    EXPECT_EQ(shown, kExample);
}

TEST_F(ParamExchangeTest, RepliesOfFullCapacityAreLoggedButIgnored) {
    const struct {
        uint32_t length;
        bool kept;
        const char* dumped;
    } cases[] = {{2047, true, "(2047 bytes)"},
                 {2048, false, "(2048 bytes)"},
                 {70000, false, "(2048 bytes)"}};
    for (const auto& c : cases) {
        SetUp();
        m_host.m_replyLength = c.length;
        FakePage page;
        EXPECT_EQ(Load(page, true), c.kept) << c.length;
        EXPECT_EQ(TheParamCache().mainSlot.length, c.kept ? c.length : 0u);
        const std::string log = test::ReadFileText(m_log);
        EXPECT_NE(log.find("GetParamConfig:[" + std::to_string(c.length) + "]"), std::string::npos)
            << log;
        EXPECT_NE(log.find(c.dumped), std::string::npos) << log;
    }
}

TEST_F(ParamExchangeTest, QueryPageUsesItsOwnSlotAndAlwaysAsks) {
    FakePage plain, query;
    EXPECT_TRUE(Load(plain, true));
    query.SetQuerySpecific(true);
    m_host.Reply({1, 0, 0, 0, 0x13, 1, 3});
    EXPECT_TRUE(Load(query, false));
    EXPECT_TRUE(Load(query, false));
    EXPECT_EQ(m_host.m_getCalls, 3);
    EXPECT_EQ(m_host.m_lastCommand, 0x8106);
    EXPECT_EQ(m_host.m_lastRequest, (Bytes{2, 0, 0, 0, 1, 0, 0, 0, 0x13}));
    EXPECT_EQ(query.m_seen.back(), (std::array{0x13, 1, 6}));
    EXPECT_EQ(query.LoadedStamp(), 0u);
    EXPECT_EQ(Bytes(TheParamCache().mainSlot.bytes, TheParamCache().mainSlot.bytes + 15), kExample);
}

TEST_F(ParamExchangeTest, SavesSendTheListToOneDeviceOrSeveral) {
    FakePage page;
    m_host.Reply({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(SaveParams(page, false));
    EXPECT_EQ(m_host.m_lastCommand, MDVR_CMD_SET);
    EXPECT_EQ(m_host.m_sentList, page.m_list);
    EXPECT_EQ(page.m_savedReply, m_host.m_reply);
    EXPECT_FALSE(page.m_multiDuringValidation);

    m_host.m_sentList.clear();
    EXPECT_TRUE(SaveParams(page, true));
    EXPECT_TRUE(page.m_multiDuringValidation);
    Bytes expected(MDVR_BATCH_RECORD_SIZE, 0);
    expected[132] = 2;
    expected[192] = 0x07;
    expected[200] = 115;
    expected[204] = 0x45;
    EXPECT_EQ(m_host.m_multiRecord, expected);
    EXPECT_EQ(m_host.m_sentList, page.m_list);
    EXPECT_EQ(page.m_savedReply, (Bytes{0xDE, 0xAD}));  // no reply for a multi-device save
}

TEST_F(ParamExchangeTest, RefusedSavesSendOrConfirmNothing) {
    enum Fault { kInvalid, kHostRefuses, kNoCallback, kBuildFails, kTooLong };
    for (Fault fault : {kInvalid, kHostRefuses, kNoCallback, kBuildFails, kTooLong}) {
        for (bool multi : {false, true}) {
            SetUp();
            FakePage page;
            page.m_valid = fault != kInvalid;
            page.m_buildOk = fault != kBuildFails;
            m_host.m_result = fault == kHostRefuses ? 0 : 1;
            if (fault == kTooLong) page.m_claimedLength = multi ? 2049 : 1025;
            if (fault == kNoCallback) TheHostCallbacks() = {};
            EXPECT_FALSE(SaveParams(page, multi)) << fault << multi;
            EXPECT_EQ(page.m_savedCalls, 0);
            EXPECT_EQ(!m_host.m_sentList.empty(), fault == kHostRefuses) << fault << multi;
        }
    }
}

TEST_F(ParamExchangeTest, ValueToTextFormats) {
    const struct {
        Bytes value;
        int asText;  // 0: numbers for lengths 1, 2 and 4; 1: text to the first zero; other: none
        std::wstring text;
    } cases[] = {
        {{0x01, 0x2C}, 0, L"300"},
        {{0x41, 0x42, 0x43}, 0, L"ABC"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, 0, L"4294967295"},
        {{0x41}, 1, L"A"},
        {{0x41, 0x00, 0x43}, 1, L"A"},
        {{0x00, 0x00, 0x00, 0x3C}, 1, L""},
        {{0x01, 0x2C}, 2, L""},
        {{0xE4, 0xB8, 0xAD}, 0, L"中"},
    };
    for (const auto& c : cases) {
        Bytes list = {1, 0, 0, 0, 1, static_cast<uint8_t>(c.value.size())};
        list.insert(list.end(), c.value.begin(), c.value.end());
        list.push_back('X');  // past the value: must not show
        EXPECT_EQ(ValueToText(static_cast<uint8_t>(c.value.size()), list.data(), 6, c.asText),
                  c.text);
    }
}

}  // namespace
}  // namespace mdvr
