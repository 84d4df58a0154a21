#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/HostFormat.h"
#include "host/IMsgTipPresenter.h"
#include "host/WideFormat.h"
#include "support/RecordingMsgTipPresenter.h"

namespace mdvr {
namespace {

TEST(FormatStringInt2, FormatsConversionsAndSurvivesBadFormats) {
    const struct {
        const wchar_t* format;
        int first, second;
        std::wstring expected;
    } cases[] = {
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
    for (const auto& c : cases) {
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

TEST(GetChineseChar, MapsPrintableAsciiToFullWidth) {
    for (auto [in, out] : {std::pair{L'!', L'\uFF01'},
                           {L'~', L'\uFF5E'},
                           {L' ', L'\u3000'},
                           {L'\t', L'\t'},
                           {L'\x7F', L'\x7F'},
                           {L'\uFF21', L'\uFF21'}}) {
        EXPECT_EQ(GetChineseChar(in), out) << static_cast<int>(in);
    }
}

// Without a presenter a tip is printed and a question declined; the innermost presenter takes
// the tips until it goes, and only its 1 confirms.
TEST(ShowMsgTipEx, RoutesToTheInstalledPresenterUntilItGoes) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMsgTipEx(L"端口：请输入1-65535", L"", kMsgTipNotice), 0);
    EXPECT_EQ(ShowMsgTipEx(L"确定要设置吗?", L"提示", kMsgTipQuestion), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "[notice] 端口：请输入1-65535\n[question: 提示] 确定要设置吗? -> no\n");
    test::RecordingMsgTipPresenter outer;
    {
        test::RecordingMsgTipPresenter inner;
        inner.AnswerNext({1, 7});
        EXPECT_EQ(ShowMsgTipEx(L"sure?", L"t", kMsgTipQuestion), 1);
        EXPECT_EQ(ShowMsgTipEx(L"again?", L"", kMsgTipQuestion), 0);
        ASSERT_EQ(inner.Tips().size(), 2u);
        EXPECT_EQ(inner.Tips()[0].title, L"t");
    }
    ShowMsgTipEx(L"outer", L"", kMsgTipNotice);
    ASSERT_EQ(outer.Tips().size(), 1u);
    EXPECT_EQ(outer.LastText(), L"outer");
}

}  // namespace
}  // namespace mdvr
