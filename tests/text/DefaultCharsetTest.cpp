// Its own process: nothing has chosen a charset, and the locale is the plain C one.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "text/CodePage.h"

namespace mdvr {
namespace {

TEST(DefaultCharset, WireTextIsGbkUnderTheCLocale) {
    unsetenv("MDVR_ANSI_CHARSET");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(WideToAnsi(L"粤A10001"), "\xD4\xC1" "A10001");
    EXPECT_EQ(AnsiToWide("\xD4\xC1" "A"), L"粤A");
}

}  // namespace
}  // namespace mdvr
