#include <gtest/gtest.h>

#include "controls/ListCompare.h"

namespace mdvr {
namespace {

TEST(ListCompare, KindIsDecidedByTheFirstText) {
    const std::pair<const wchar_t*, CompareKind> cases[] = {
        {L"", CompareKind::kNumber},
        {L"1.5", CompareKind::kNumber},
        {L".5", CompareKind::kNumber},
        {L"1.2.3", CompareKind::kText},
        {L"-1", CompareKind::kText},
        {L"24-01-31 23:59:58", CompareKind::kDateTime},
        {L"2024-01-31 23:59", CompareKind::kText},
        {L"24-01-31T23:59:58", CompareKind::kText},
        {L"24-01-3a 23:59:58", CompareKind::kText},
    };
    for (const auto& [text, kind] : cases) EXPECT_EQ(CompareKindOf(text), kind) << text;
}

TEST(ListCompare, ComparesByKind) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        int expected;
    };
    const Case cases[] = {
        {L"100", L"10", 1},
        {L"1.50", L"1.5", 0},
        {L"", L"abc", 0},  // numeric: text reads as 0
        {L"", L"3", -1},
        {L"5", L"", 1},
        {L"24-01-31 23:59:58", L"24-01-31 23:59:59", -1},
        {L"24-02-01 00:00:00", L"24-02-01 00:00:00", 0},
        {L"abc", L"abd", -1},
        {L"x", L"x", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareCells(c.a, c.b), c.expected)
            << testing::PrintToString(c.a) << " vs " << testing::PrintToString(c.b);
    }
}

}  // namespace
}  // namespace mdvr
