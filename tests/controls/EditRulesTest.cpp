#include <gtest/gtest.h>

#include <limits>

#include "controls/CEditBounds.h"
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
        {L"127", 127, 127},
        {L"12ab", 12, 12},
        {L"  -5", -5, -5},
        {L"+7", 7, 7},
        {L"abc", 0, 0},
        {L"-", 0, 0},
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

TEST(EditNumber, OneRangeInForce) {
    struct Case {
        int32_t min, max;
        int64_t min64, max64;
        BoundsKind expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, BoundsKind::kNone},
        {0, 127, 0, 0, BoundsKind::k32},
        {0, 127, 0, 4294967295LL, BoundsKind::k32},
        {5, 5, 0, 4294967295LL, BoundsKind::k64},
        {5, 5, 7, 7, BoundsKind::kNone},
        {10, 1, 0, 0, BoundsKind::kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ActiveBounds(c.min, c.max, c.min64, c.max64), c.expected)
            << c.min << "~" << c.max << " / " << c.min64 << "~" << c.max64;
    }
}

TEST(EditNumber, PrintableAsciiPrefix) {
    const std::pair<const wchar_t*, size_t> cases[] = {
        {L"", 0},      {L"abc", 3},    {L"abc d", 3},    {L" x", 0},
        {L"ab\tc", 2}, {L"~!\x7F", 2}, {L"a\u4E2Db", 1},
    };
    for (const auto& [text, length] : cases) EXPECT_EQ(PrintableAsciiPrefix(text), length) << text;
}

TEST(EditBounds, RangeTextJoinsPrefixAndBoundsDirectly) {
    EXPECT_EQ(CEditBounds::RangeText(L"范围:", 0, 127), L"范围:0~127");
    EXPECT_EQ(CEditBounds::RangeText(L"", -5, 5), L"-5~5");
    EXPECT_EQ(CEditBounds::RangeText(L"R", 0, 4294967295LL), L"R0~4294967295");
}

}  // namespace
}  // namespace mdvr
