#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/FormatStringMgr.h"
#include "host/HostFormat.h"
#include "host/WideFormat.h"

namespace mdvr {
namespace {

struct FormatCase {
    const wchar_t* format;
    int first;
    int second;
    std::wstring expected;
};

TEST(FormatStringInt2, FormatsConversionsAndSurvivesBadFormats) {
    const FormatCase cases[] = {
        {L"范围 %d - %d", 1, 65535, L"范围 1 - 65535"},
        {L"%d%%", 50, 0, L"50%"},
        {L"%u", -1, 0, L"4294967295"},
        {L"%i|%d", -2147483647 - 1, 7, L"-2147483648|7"},
        {L"[%5d][%-4d]", 42, 7, L"[   42][7   ]"},
        {L"%s=%s", 12, 34, L"12=34"},
        {L"%d %d %d", 1, 2, L"1 2 %d"},            // no third argument: left as written
        {L"%x %n %p %ls", 1, 2, L"%x %n %p %ls"},  // unknown conversions copied, no argument used
        {L"100%", 1, 2, L"100%"},                  // lone percent at the end
        {L"%99999999999d", 3, 0, std::wstring(63, L' ') + L"3"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatStringInt2(c.format, c.first, c.second), c.expected) << c.format;
    }
}

TEST(FormatStringInt, UsesOnlyTheOneArgument) {
    EXPECT_EQ(FormatStringInt(L"通道%d", 3), L"通道3");
    EXPECT_EQ(FormatStringInt(L"%d-%d", 3), L"3-%d");
}

TEST(FormatWide, TextArgumentsAreInsertedAsTheyStand) {
    const FormatArg args[] = {std::wstring_view(L"%d%s"), int64_t{5}};
    EXPECT_EQ(FormatWide(L"<%s><%4s><%d>", args), L"<%d%s><   5><%d>");
}

TEST(FormatChineseColon, JoinsWithTheFullWidthColon) {
    EXPECT_EQ(FormatChineseColon(L"端口", L"请输入1-65535"), L"端口\uFF1A请输入1-65535");
}

TEST(GetChineseChar, MapsPrintableAsciiToFullWidth) {
    const std::pair<wchar_t, wchar_t> cases[] = {
        {L'!', L'\uFF01'}, {L'~', L'\uFF5E'},  {L' ', L'\u3000'},
        {L'\t', L'\t'},    {L'\x7F', L'\x7F'}, {L'\uFF21', L'\uFF21'},
    };
    for (auto [in, out] : cases) EXPECT_EQ(GetChineseChar(in), out) << static_cast<int>(in);
}

TEST(FormatStringMgr, UnknownPlateColourCodesHaveNoName) {
    EXPECT_EQ(FormatStringMgr::GetColorByIndex(9), L"其他");
    for (int code : {-1, 6, 8, 10, 255})
        EXPECT_EQ(FormatStringMgr::GetColorByIndex(code), L"") << code;
}

}  // namespace
}  // namespace mdvr
