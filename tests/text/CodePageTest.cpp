#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace mdvr {
namespace {

TEST(CodePageTest, Utf8DecodesAndReplacesMalformedBytes) {
    const struct {
        const char* name;
        std::string bytes;
        std::wstring text;
    } cases[] = {
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

// Both ways unless a case says: malformed bytes decode to U+FFFD, a missing character encodes
// to '?'.
TEST(CodePageTest, AnsiInTheChosenCharset) {
    enum Way { kBoth, kDecode, kEncode };
    const struct {
        const char* charset;
        std::string bytes;
        std::wstring text;
        Way way;
    } cases[] = {
        {"GBK", "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587", kBoth},
        {"936", "\xD6\xD0\x41", L"\u4E2DA", kBoth},
        {"UTF-8", "\xE4\xB8\xAD", L"\u4E2D", kBoth},
        {"65001", "\xE4\xB8\xAD", L"\u4E2D", kDecode},
        {"UTF-8", "\xF0\x9F\x98\x80", L"\U0001F600", kBoth},
        {"GBK", "", L"", kBoth},
        {"GBK", "A\xFF\x42", L"A\uFFFDB", kDecode},
        {"GBK", "A\xD6", L"A\uFFFD", kDecode},
        {"UTF-8", "\xFF\xFE", L"\uFFFD\uFFFD", kDecode},
        {"GBK", "a?b", L"a\U0001F600b", kEncode},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetAnsiCharset(c.charset)) << c.charset;
        EXPECT_TRUE(c.way == kEncode || AnsiToWide(c.bytes) == c.text)
            << c.charset << " " << c.bytes;
        EXPECT_TRUE(c.way == kDecode || WideToAnsi(c.text) == c.bytes)
            << c.charset << " " << c.bytes;
    }
}

TEST(CodePageTest, UnknownCharsetKeepsCurrentOneWhichThreadTextIgnores) {
    ASSERT_TRUE(SetAnsiCharset("GBK"));
    EXPECT_FALSE(SetAnsiCharset("NO-SUCH-CHARSET"));
    EXPECT_FALSE(SetAnsiCharset(""));
    EXPECT_EQ(AnsiToWide("\xD6\xD0"), L"\u4E2D");
    // Paths from a host follow the thread's locale, not the wire charset a host chose for texts.
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
