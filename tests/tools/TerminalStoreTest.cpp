// The simulated terminal's file format, merge rules, answers and atomic saves.
#include <gtest/gtest.h>

#include "support/ScratchDir.h"
#include "text/CodePage.h"
#include "tools/mdvr-host/TerminalStore.h"

namespace mdvr::refhost {
namespace {

using Bytes = std::vector<uint8_t>;

class TerminalStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(SetAnsiCharset("GBK")); }

    static Bytes Answer(const TerminalStore& store) {
        Bytes out(2048);
        out.resize(store.AnswerAll(out).value_or(0));
        return out;
    }
};

TEST_F(TerminalStoreTest, MalformedFilesNameTheirLine) {
    const struct {
        const char* content;
        const char* message;  // after "t.terminal:"
    } cases[] = {
        {"# no header\n0x0001 u32 1\n", "2: expected the header"},
        {"", "0: no \"online yes|no\" header line"},
        {"online yes\n\n1 u32 5\n", "3: \"1\" is not a parameter ID"},
        {"online yes\n0x0001 u32 5\n0x0001 u32 6\n", "3: parameter 0x0001 appears twice"},
        {"online yes\n0x0001 float 5\n", "2: unknown type \"float\""},
        {"online yes\n0x0084 u8 256\n", "2: \"256\" is not a valid u8"},
        {"online yes\n0xF364 hex 01 0\n", "2: \"01 0\" is not a valid hex"},
        {"online yes\n0x0083 text \xC3\x28\n", "2: \"\xC3\x28\" is not a valid text"},
    };
    for (const auto& c : cases) {
        try {
            TerminalStore::Parse(c.content, "t.terminal");
            ADD_FAILURE() << "accepted: " << c.content;
        } catch (const TerminalFileError& e) {
            EXPECT_EQ(std::string(e.what()).find(std::string("t.terminal:") + c.message), 0u)
                << e.what();
        }
    }
}

TEST_F(TerminalStoreTest, ValuesTravelInTheirWireFormAndSaveCanonical) {
    const TerminalStore store = TerminalStore::Parse(
        "online yes\n0x0001 u32 60\n0x005B u16 0x32\n0x0084 u8 2\n0x0083 text 粤B12345\n"
        "0xF364 hex 01 02 03\n0x0011 text\n",
        "t");
    const Bytes expected{6,    0, 0,    0,    0x01, 4,   0,   0,    0,    60,  0, 0, 0,
                         0x5B, 2, 0,    50,   0,    0,   0,   0x84, 1,    2,   0, 0, 0,
                         0x83, 8, 0xD4, 0xC1, 'B',  '1', '2', '3',  '4',  '5', 0, 0, 0xF3,
                         0x64, 3, 1,    2,    3,    0,   0,   0,    0x11, 0};
    EXPECT_EQ(Answer(store), expected);  // 粤 is D4 C1 in GBK
    // Saved with comments and order kept, values canonical.
    const TerminalStore other = TerminalStore::Parse(
        "# bus 10\r\nonline no\n\n0x0055 u32 0x3C\n  # speed above\n0x0001 u8 7\n", "t");
    EXPECT_FALSE(other.Online());
    EXPECT_EQ(other.Serialize(),
              "# bus 10\nonline no\n\n0x0055 u32 60\n  # speed above\n0x0001 u8 7\n");
}

TEST_F(TerminalStoreTest, QueriesAnswerKnownIdsInQueryOrderOnceIfTheyFit) {
    const TerminalStore store =
        TerminalStore::Parse("online yes\n0x0001 u8 1\n0x0002 u8 2\n0x0003 u8 3\n", "t");
    const Bytes query{4, 0, 0, 0, 3, 0, 0, 0, 9, 0, 0, 0, 1, 0, 0, 0, 3};
    Bytes out(64);
    out.resize(store.AnswerQuery(query, query.size(), out).value());
    EXPECT_EQ(out, (Bytes{2, 0, 0, 0, 3, 1, 3, 0, 0, 0, 1, 1, 1}));
    // A query cut inside its third ID answers the two whole ones.
    out.assign(64, 0);
    out.resize(store.AnswerQuery(query, 11, out).value());
    EXPECT_EQ(out, (Bytes{1, 0, 0, 0, 3, 1, 3}));
    // Answers that do not fit are refused.
    std::string text = "online yes\n";
    for (int id = 1; id <= 256; ++id) text += "0x" + std::to_string(1000 + id) + " u8 1\n";
    const TerminalStore tooMany = TerminalStore::Parse(text, "t");
    out.assign(4096, 0);
    EXPECT_FALSE(tooMany.AnswerAll(out).has_value());  // 256 items: the count byte cannot say it
    const TerminalStore big = TerminalStore::Parse("online yes\n0x0001 u32 1\n", "t");
    Bytes small(9);
    EXPECT_FALSE(big.AnswerAll(small).has_value());
}

// A list cut short changes nothing.
TEST_F(TerminalStoreTest, MergeReplacesKeepsAndAppends) {
    const std::string before = "online yes\n0x0001 u32 30\n0x0083 text 粤A1\n0x0055 u32 60\n";
    const struct {
        const char* name;
        Bytes list;
        std::string expected;  // the file after the merge
    } cases[] = {
        {"replace one",
         {1, 0, 0, 0, 0x55, 4, 0, 0, 0, 50},
         "online yes\n0x0001 u32 30\n0x0083 text 粤A1\n0x0055 u32 50\n"},
        {"append new ids in list order",
         {2, 0, 0, 0xF3, 0x64, 3, 1, 2, 0xFF, 0, 0, 0, 0x84, 1, 2},
         before + "0xF364 hex 01 02 FF\n0x0084 u8 2\n"},
        {"another width changes the type",
         {1, 0, 0, 0, 0x01, 2, 0, 45},
         "online yes\n0x0001 u16 45\n0x0083 text 粤A1\n0x0055 u32 60\n"},
        {"text that is not text",
         {1, 0, 0, 0, 0x83, 3, 0x41, 0x00, 0x42},
         "online yes\n0x0001 u32 30\n0x0083 hex 41 00 42\n0x0055 u32 60\n"},
        {"empty value",
         {1, 0, 0, 0, 0x83, 0},
         "online yes\n0x0001 u32 30\n0x0083 text\n0x0055 u32 60\n"},
        {"the last of a repeated id wins",
         {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 1, 0, 0, 0, 0x55, 4, 0, 0, 0, 2},
         "online yes\n0x0001 u32 30\n0x0083 text 粤A1\n0x0055 u32 2\n"},
        {"count says two", {2, 0, 0, 0, 0x55, 4, 0, 0, 0, 50}, before},
        {"value cut", {1, 0, 0, 0, 0x55, 4, 0, 0, 0}, before},
        {"empty", {}, before},
    };
    for (const auto& c : cases) {
        TerminalStore store = TerminalStore::Parse(before, "t");
        EXPECT_EQ(store.Apply(c.list, c.list.size()), c.expected != before) << c.name;
        EXPECT_EQ(store.Serialize(), c.expected) << c.name;
    }
}

// A stale temporary left by a crash is replaced; one that cannot be replaced (a folder) fails the
// save and leaves the old file.
TEST_F(TerminalStoreTest, SaveReplacesTheFileOrLeavesTheOldOne) {
    for (const bool tmpIsFolder : {false, true}) {
        test::ScratchDir dir("refhost_store");
        const auto file = dir.Write("1001.terminal", "online yes\n0x0055 u32 60\n");
        const auto tmp = dir.Path() / "1001.terminal.tmp";
        if (tmpIsFolder)
            std::filesystem::create_directory(tmp);
        else
            test::WriteFileText(tmp, "garbage left by a crash");
        TerminalStore store = TerminalStore::Load(file);
        const Bytes list{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 50};
        ASSERT_TRUE(store.Apply(list, list.size()));
        if (tmpIsFolder) {
            EXPECT_THROW(store.Save(), std::runtime_error);
            EXPECT_EQ(test::ReadFileText(file), "online yes\n0x0055 u32 60\n");
        } else {
            store.Save();
            EXPECT_EQ(test::ReadFileText(file), "online yes\n0x0055 u32 50\n");
            EXPECT_FALSE(std::filesystem::exists(tmp));
        }
    }
}

}  // namespace
}  // namespace mdvr::refhost
