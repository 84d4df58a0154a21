#include <gtest/gtest.h>

#include "host/IMsgTipPresenter.h"
#include "support/RecordingMsgTipPresenter.h"

namespace mdvr {
namespace {

TEST(ShowMsgTipEx, WithoutPresenterPrintsAndDeclines) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMsgTipEx(L"端口：请输入1-65535", L"", kMsgTipNotice), 0);
    EXPECT_EQ(ShowMsgTipEx(L"确定要设置吗?", L"提示", kMsgTipQuestion), 0);
    std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(printed, "[notice] 端口：请输入1-65535\n[question: 提示] 确定要设置吗? -> no\n");
}

TEST(ShowMsgTipEx, RoutesToTheInstalledPresenterAndAnswersFromItsScript) {
    test::RecordingMsgTipPresenter tips;
    tips.AnswerNext({1, 0, 7});
    EXPECT_EQ(ShowMsgTipEx(L"a", L"", kMsgTipNotice), 0);  // a notice takes no answer
    EXPECT_EQ(ShowMsgTipEx(L"b", L"", kMsgTipQuestion), 1);
    EXPECT_EQ(ShowMsgTipEx(L"c", L"t", kMsgTipQuestion), 0);
    EXPECT_EQ(ShowMsgTipEx(L"d", L"", kMsgTipQuestion), 0);  // 7 is not a confirmation
    EXPECT_EQ(ShowMsgTipEx(L"e", L"", kMsgTipQuestion), 0);  // script exhausted
    ASSERT_EQ(tips.Tips().size(), 5u);
    EXPECT_EQ(tips.Tips()[2].text, L"c");
    EXPECT_EQ(tips.Tips()[2].title, L"t");
    EXPECT_EQ(tips.Tips()[2].type, kMsgTipQuestion);
    EXPECT_EQ(tips.LastText(), L"e");
}

TEST(ShowMsgTipEx, PresentersNestAndRestore) {
    test::RecordingMsgTipPresenter outer;
    {
        test::RecordingMsgTipPresenter inner;
        inner.AnswerNext({1});
        EXPECT_EQ(ShowMsgTipEx(L"inner", L"", kMsgTipQuestion), 1);
    }
    ShowMsgTipEx(L"outer", L"", kMsgTipNotice);
    ASSERT_EQ(outer.Tips().size(), 1u);
    EXPECT_EQ(outer.LastText(), L"outer");
}

}  // namespace
}  // namespace mdvr
