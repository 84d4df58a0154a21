#include <gtest/gtest.h>

#include <limits>

#include "controls/EditNumber.h"

namespace mdvr {
namespace {

struct ReadCase {
    const wchar_t* text;
    int64_t as64;
    int32_t as32;
};

TEST(EditNumber, ReadsLikeTheEditDoes) {
    constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
    const ReadCase cases[] = {
        {L"", 0, 0},
        {L"12ab", 12, 12},
        {L"  -5", -5, -5},
        {L"abc", 0, 0},
        {L"1 2", 1, 1},
        {L"4294967295", 4294967295LL, kMax32},
        {L"-4294967296", -4294967296LL, std::numeric_limits<int32_t>::min()},
        {L"99999999999999999999", std::numeric_limits<int64_t>::max(), kMax32},
        {L"-9223372036854775808", std::numeric_limits<int64_t>::min(),
         std::numeric_limits<int32_t>::min()},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadEditInt64(c.text), c.as64) << "text '" << testing::PrintToString(c.text);
        EXPECT_EQ(ReadEditInt32(c.text), c.as32) << "text '" << testing::PrintToString(c.text);
    }
}

TEST(EditNumber, PrintableAsciiPrefix) {
    const std::pair<const wchar_t*, size_t> cases[] = {
        {L"", 0},      {L"abc", 3},    {L"abc d", 3},    {L" x", 0},
        {L"ab\tc", 2}, {L"~!\x7F", 2}, {L"a\u4E2Db", 1},
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(PrintableAsciiPrefix(text), length) << text;
}

}  // namespace
}  // namespace mdvr
