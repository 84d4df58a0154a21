// Record fields: what a field reads from a record value and how writing it leaves the rest of
// the record, for the widths and placements the video pages do not use.
#include <gtest/gtest.h>

#include <vector>

#include "pagebase/RowCodec.h"

namespace mdvr::test {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr ParamRow Word(Wire wire, int at) {
    return Field(0x0100, wire, at, RowKind::kEdit, 1, -1, {});
}

TEST(RecordField, ReadsItsOwnBytesOnly) {
    const Bytes record = {0x11, 0x22, 0x33, 0x44, 0x55};
    struct Case {
        const char* what;
        ParamRow row;
        int64_t expected;
    } cases[] = {
        {"a word in the middle", Word(Wire::kU16, 1), 0x2233},
        {"a 32-bit word at the end", Word(Wire::kU32, 1), 0x22334455},
        {"past the end reads zeros", Word(Wire::kU32, 3), 0x44550000},
        {"bits of a 32-bit field", Word(Wire::kU32, 1).Bits(12, 8), 0x34},
        {"a byte of an odd-length value is a number, not text", Word(Wire::kU8, 4), 0x55},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadRowNumber(c.row, ParamItemView(0x0100, record)), c.expected);
    }
}

TEST(RecordField, WritingKeepsTheRestOfTheRecord) {
    struct Case {
        const char* what;
        Bytes record;
        ParamRow row;
        int64_t value;
        Bytes expected;
    } cases[] = {
        {"a word between two bytes", {0xAA, 0, 0, 0xBB}, Word(Wire::kU16, 1), 0x1234,
         {0xAA, 0x12, 0x34, 0xBB}},
        {"only the value's low bytes", {0, 0}, Word(Wire::kU8, 1), 0x1FF, {0, 0xFF}},
        {"a field past the end grows the record with zeros", {0xAA}, Word(Wire::kU16, 3), 0x0102,
         {0xAA, 0, 0, 0x01, 0x02}},
        {"bits keep the field's other bits", {0xFF, 0xFF, 0xFF, 0xFF},
         Word(Wire::kU32, 0).Bits(12, 8), 0, {0xFF, 0xF0, 0x0F, 0xFF}},
        {"bits of a field the record only half holds", {0x80}, Word(Wire::kU16, 0).Bits(0, 1), 1,
         {0x80, 0x01}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes record = c.record;
        PutRowField(record, c.row, c.value);
        EXPECT_EQ(record, c.expected);
    }
}

}  // namespace
}  // namespace mdvr::test
