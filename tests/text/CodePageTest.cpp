#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace mdvr {
namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::wstring text;
};

TEST(CodePageTest, Utf8DecodesAndReplacesMalformedBytes) {
    const Utf8Case cases[] = {
        {"ascii", "abc", L"abc"},
        {"chinese", "\xE4\xB8\xAD\xE6\x96\x87", L"\u4E2D\u6587"},
        {"supplementary", "\xF0\x9F\x98\x80", L"\U0001F600"},
        {"lone continuation", "a\x80z", L"a\uFFFDz"},
        {"overlong", "\xC0\x80", L"\uFFFD\uFFFD"},
        {"truncated", "\xE4\xB8", L"\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
        {"beyond range", "\xF5\x80", L"\uFFFD\uFFFD"},
        {"empty", "", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.bytes), c.text) << c.name;
    }
}

struct AnsiCase {
    const char* charset;
    std::string bytes;
    std::wstring text;
};

TEST(CodePageTest, AnsiDecodesInChosenCharset) {
    const AnsiCase cases[] = {
        {"GBK", "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},
        {"936", "\xD6\xD0" "A", L"\u4E2DA"},
        {"UTF-8", "\xE4\xB8\xAD", L"\u4E2D"},
        {"65001", "\xE4\xB8\xAD", L"\u4E2D"},
        {"GBK", "A\xFF" "B", L"A\uFFFDB"},
        {"GBK", "A\xD6", L"A\uFFFD"},
        {"UTF-8", "\xFF\xFE", L"\uFFFD\uFFFD"},
        {"GBK", "", L""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetAnsiCharset(c.charset)) << c.charset;
        EXPECT_EQ(AnsiToWide(c.bytes), c.text) << c.charset << " " << c.bytes;
    }
}

TEST(CodePageTest, WideToAnsiEncodesAndMarksMissingCharacters) {
    const AnsiCase cases[] = {
        {"GBK", "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},
        {"GBK", "a?b", L"a\U0001F600b"},
        {"UTF-8", "\xF0\x9F\x98\x80", L"\U0001F600"},
        {"GBK", "", L""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetAnsiCharset(c.charset));
        EXPECT_EQ(WideToAnsi(c.text), c.bytes) << c.charset;
    }
}

TEST(CodePageTest, UnknownCharsetKeepsCurrentOne) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    EXPECT_FALSE(SetAnsiCharset("NO-SUCH-CHARSET"));
    EXPECT_FALSE(SetAnsiCharset(""));
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), L"\u4E2D");
}

// Paths from a host follow the thread's locale, not the wire charset a host chose for texts.
TEST(CodePageTest, ThreadTextIgnoresTheWireCharset) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    EXPECT_EQ(ThreadAnsiToWide("/lang/\xE4\xB8\xAD.ini"), L"/lang/\u4E2D.ini");
    EXPECT_EQ(ThreadAnsiToWide(""), L"");
}

TEST(CodePageTest, SpanFormCutsAtCharacterBoundary) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    struct {
        size_t capacity;
        size_t written;
    } const cases[] = {{0, 0}, {1, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 5}, {16, 5}};
    for (const auto& c : cases) {
        std::array<uint8_t, 16> buffer{};
        size_t written = WideToAnsi(L"\u4E2D\u6587x", std::span(buffer.data(), c.capacity));
        EXPECT_EQ(written, c.written) << c.capacity;
        if (written >= 2) {
            EXPECT_EQ(buffer[0], 0xD6);
            EXPECT_EQ(buffer[1], 0xD0);
        }
    }
}

}  // namespace
}  // namespace mdvr
