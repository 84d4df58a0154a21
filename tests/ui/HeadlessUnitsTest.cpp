// Pure pieces of the headless backend: picker text formatting and the edit buffer's selection.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "ui/headless/EditBuffer.h"
#include "ui/headless/TimeFormat.h"

namespace mdvr::ui {
namespace {

TEST(TimeFormat, AppliesPictures) {
    const std::tuple<const wchar_t*, DateTime, const wchar_t*> cases[] = {
        {L"HH : mm", {2024, 1, 2, 7, 5, 0}, L"07 : 05"},
        {L"yyyy-MM-dd HH:mm:ss", {2024, 1, 2, 23, 59, 58}, L"2024-01-02 23:59:58"},
        {L"yy/M/d H:m:s", {2009, 3, 4, 5, 6, 7}, L"09/3/4 5:6:7"},
        {L"hh tt", {2024, 1, 1, 0, 0, 0}, L"12 AM"},
        {L"h t", {2024, 1, 1, 13, 0, 0}, L"1 P"},
        {L"'at' HH'h' ''", {2024, 1, 1, 9, 0, 0}, L"at 09h '"},
        {L"'open", {2024, 1, 1, 9, 0, 0}, L"open"},
        {L"", {2024, 1, 1, 9, 0, 0}, L""},
    };
    for (const auto& [format, time, expected] : cases)
        EXPECT_EQ(FormatTime(format, time), expected) << format;
}

TEST(TimeFormat, AcceptsOnlyCalendarTimes) {
    const std::pair<DateTime, bool> cases[] = {
        {{2024, 2, 29, 0, 0, 0}, true},  {{2023, 2, 29, 0, 0, 0}, false},
        {{1900, 2, 29, 0, 0, 0}, false}, {{2000, 2, 29, 0, 0, 0}, true},
        {{2024, 4, 31, 0, 0, 0}, false}, {{2024, 12, 31, 23, 59, 59}, true},
        {{2024, 13, 1, 0, 0, 0}, false}, {{2024, 1, 1, 24, 0, 0}, false},
        {{2024, 1, 1, 0, 60, 0}, false}, {{1600, 1, 1, 0, 0, 0}, false},
    };
    for (const auto& [time, valid] : cases) {
        EXPECT_EQ(IsValidTime(time), valid) << time.year << "-" << time.month << "-" << time.day;
    }
}

TEST(EditBuffer, SelectClampsAndOrders) {
    // Asked start and end, then the selection made.
    const std::array<int, 4> cases[] = {
        {1, 3, 1, 3}, {0, -1, 0, 5}, {3, 1, 1, 3}, {2, 99, 2, 5}, {9, 9, 5, 5}};
    for (const auto& [start, end, selStart, selEnd] : cases) {
        EditBuffer buffer;
        buffer.SetText(L"hello");
        buffer.Select(start, end);
        EXPECT_EQ((std::array{buffer.SelStart(), buffer.SelEnd()}), (std::array{selStart, selEnd}))
            << start << "," << end;
    }
}

TEST(EditBuffer, TypingOverSelectionRespectsLimit) {
    EditBuffer buffer;
    buffer.SetLimit(3);
    buffer.SetText(L"abc");
    EXPECT_FALSE(buffer.Type(L'x', kStyleNone));  // full
    buffer.Select(1, 2);
    EXPECT_TRUE(buffer.Type(L'x', kStyleNone));  // replaces one: still three
    EXPECT_EQ(buffer.Text(), L"axc");
    buffer.Select(-1, 0);  // deselect, caret stays
    EXPECT_EQ(buffer.SelStart(), 2);
    EXPECT_FALSE(buffer.Type(L'\t', kStyleNone));  // control characters are not text
    EXPECT_TRUE(buffer.DeleteForward(kStyleNone));
    EXPECT_EQ(buffer.Text(), L"ax");
    EXPECT_FALSE(buffer.DeleteForward(kStyleNone));
}

}  // namespace
}  // namespace mdvr::ui
