// Reader, writers, text encoding and BCD: the byte formats on their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/Bcd.h"
#include "protocol/ParamListReader.h"
#include "protocol/ParamListWriter.h"
#include "protocol/ParamText.h"
#include "protocol/QueryListReader.h"
#include "protocol/QueryListWriter.h"
#include "text/CodePage.h"

namespace mdvr {
namespace {

using Bytes = std::vector<uint8_t>;

struct Seen {
    uint32_t id;
    uint8_t length;
    uint32_t offset;
    bool operator==(const Seen&) const = default;
};

TEST(ParamListReaderTest, StaysInsideLengthAndCapacity) {
    const Bytes example = {0x02, 0, 0, 0, 1, 4, 0, 0, 0, 0x3C, 0, 0, 0, 0x13, 0};
    const Bytes twoItems = {2, 0, 0, 0, 1, 1, 7, 0, 0, 0, 2, 1, 8};
    const struct {
        const char* name;
        Bytes buffer;
        size_t length;
        std::vector<Seen> items;
        bool truncated;
    } cases[] = {
        {"both items incl. empty value", example, 15, {{1, 4, 6}, {0x13, 0, 15}}, false},
        {"count 3 but length 10", example, 10, {{1, 4, 6}}, true},
        {"count 0 ignores trailing bytes", {0, 0, 0, 0, 1, 0}, 6, {}, false},
        {"claimed length 0", example, 0, {}, false},
        {"header cut", {1, 0, 0, 0, 1}, 5, {}, true},
        {"value cut by length not buffer", example, 9, {}, true},
        {"length beyond capacity",
         Bytes(twoItems.begin(), twoItems.end() - 1),
         200,
         {{1, 1, 6}},
         true},
        {"count smaller than items",
         {1, 0, 0, 0, 1, 1, 7, 0, 0, 0, 2, 1, 8},
         13,
         {{1, 1, 6}},
         false},
        {"lying count 255", {255, 0, 0, 0, 9, 0}, 6, {{9, 0, 6}}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParamListReader reader(c.buffer, c.length);
        std::vector<Seen> seen;
        ParamItem item;
        while (reader.Next(item)) {
            ASSERT_LE(item.valueOffset + item.length, std::min(c.length, c.buffer.size()));
            seen.push_back({item.id, item.length, item.valueOffset});
        }
        EXPECT_EQ(seen, c.items);
        EXPECT_EQ(reader.Truncated(), c.truncated);
        EXPECT_FALSE(reader.Next(item));
    }
}

TEST(ParamListWriterTest, EncodesEachValueKind) {
    ASSERT_TRUE(SetAnsiCharset("UTF-8"));
    Bytes buffer(64, 0xEE);
    ParamListWriter writer(buffer);
    EXPECT_TRUE(writer.AppendU8(0x0001, 0x7F));
    EXPECT_TRUE(writer.AppendU16(0x0002, 0x012C));
    EXPECT_TRUE(writer.AppendU32(0xF0000003, 60));
    EXPECT_TRUE(writer.AppendText(0x0004, L"AB"));
    EXPECT_TRUE(writer.AppendBytes(0x0005, Bytes{}));
    EXPECT_EQ(writer.Finish(), 35u);
    const Bytes expected = {5, 0, 0, 0, 1,  1, 0x7F, 0, 0, 0, 2,   2,   0x01, 0x2C, 0xF0, 0, 0, 3,
                            4, 0, 0, 0, 60, 0, 0,    0, 4, 2, 'A', 'B', 0,    0,    0,    5, 0};
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 35), expected);
    EXPECT_EQ(buffer[35], 0xEE);
    EXPECT_FALSE(writer.Failed());
}

TEST(ParamListWriterTest, WritesNothingTheBufferOrFormatCannotHold) {
    Bytes buffer(14, 0xEE);
    ParamListWriter small(buffer);
    EXPECT_TRUE(small.AppendU32(1, 2));
    EXPECT_FALSE(small.AppendU16(3, 4));          // needs 7, 4 left
    EXPECT_FALSE(small.AppendBytes(5, Bytes{}));  // a bare header needs 5
    EXPECT_EQ(small.Finish(), 10u);
    EXPECT_EQ(small.Count(), 1);
    EXPECT_TRUE(small.Failed());
    EXPECT_EQ(Bytes(buffer.begin() + 10, buffer.end()), Bytes(4, 0xEE));

    buffer.assign(2048, 0);
    ParamListWriter writer(buffer);
    EXPECT_FALSE(writer.AppendBytes(1, Bytes(256, 1)));
    for (int i = 0; i < 255; ++i) ASSERT_TRUE(writer.AppendU8(static_cast<uint32_t>(i), 0));
    EXPECT_FALSE(writer.AppendU8(255, 0));  // a count byte holds 255 items
    EXPECT_EQ(writer.Finish(), 1u + 255u * 6u);
    EXPECT_EQ(buffer[0], 255);
    ParamListWriter none(std::span<uint8_t>{});
    EXPECT_FALSE(none.AppendU8(1, 1));
    EXPECT_EQ(none.Finish(), 0u);
}

TEST(ParamTextTest, MultiByteCharsetKeepsTheLeadingBytes) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    const ParamText two = EncodeParamText(L"中文");
    EXPECT_EQ(Bytes(two.Value().begin(), two.Value().end()), (Bytes{0xD6, 0xD0, 0xCE, 0xC4}));
    // 1000 characters of 2 bytes: 2000 % 256 = 208 bytes, the first 104 characters.
    std::wstring text;
    for (int i = 0; i < 500; ++i) text += L"中文";
    const ParamText wrapped = EncodeParamText(text);
    ASSERT_EQ(wrapped.length, 208);
    EXPECT_EQ(wrapped.bytes[206], 0xCE);
    EXPECT_EQ(wrapped.bytes[207], 0xC4);
    ASSERT_TRUE(SetAnsiCharset("UTF-8"));
}

TEST(QueryListTest, WritesAndReadsIds) {
    Bytes buffer(12, 0xEE);
    QueryListWriter writer(buffer);
    EXPECT_TRUE(writer.Append(0x0001));
    EXPECT_TRUE(writer.Append(0xF0000123));
    EXPECT_FALSE(writer.Append(7));  // 3 bytes left
    EXPECT_EQ(writer.Finish(), 9u);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 9),
              (Bytes{2, 0, 0, 0, 1, 0xF0, 0, 0x01, 0x23}));

    buffer[0] = 3;  // claims one more ID than it holds
    QueryListReader reader(buffer, 11);
    std::vector<uint32_t> ids;
    for (uint32_t id = 0; reader.Next(id);) ids.push_back(id);
    EXPECT_EQ(ids, (std::vector<uint32_t>{1, 0xF0000123}));
}

TEST(BcdTest, DecodesAndEncodes) {
    for (const auto& [bcd, value] :
         {std::pair{0x0A, 10u}, {0xA0, 100u}, {0x3A, 40u}, {0xFF, 165u}}) {
        EXPECT_EQ(FromBcd(static_cast<uint8_t>(bcd)), value) << bcd;
        EXPECT_FALSE(IsValidBcd(static_cast<uint8_t>(bcd)));
    }
    for (const auto& [value, bcd] :
         {std::pair{0u, 0x00}, {9u, 0x09}, {10u, 0x10}, {59u, 0x59}, {99u, 0x99}, {123u, 0x23}}) {
        EXPECT_EQ(ToBcd(value), bcd) << value;
        EXPECT_EQ(FromBcd(static_cast<uint8_t>(bcd)), value % 100);
        EXPECT_TRUE(IsValidBcd(static_cast<uint8_t>(bcd)));
    }
}

}  // namespace
}  // namespace mdvr
