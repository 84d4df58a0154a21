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

// The innermost presenter takes the tips until it goes; only its 1 confirms.
TEST(ShowMsgTipEx, RoutesToTheInstalledPresenterUntilItGoes) {
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
