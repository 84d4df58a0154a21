// Own executable: it links the allocation counter, which replaces the global allocation
// functions.
#include <gtest/gtest.h>

#include <array>

#include "support/AllocationCounter.h"
#include "text/CodePage.h"

namespace mdvr {
namespace {

TEST(WideToAnsiHeapTest, SpanFormAllocatesNothingAfterFirstUse) {
    for (const char* charset : {"GBK", "UTF-8"}) {
        ASSERT_TRUE(SetAnsiCharset(charset));
        std::array<uint8_t, 64> buffer{};
        WideToAnsi(L"warm-up \u4E2D", buffer);
        const uint64_t before = test::AllocationCount();
        size_t written = 0;
        for (int i = 0; i < 100; ++i) {
            written = WideToAnsi(L"\u4E2D\u6587 abc \U0001F600", buffer);
        }
        EXPECT_EQ(test::AllocationCount(), before) << charset;
        EXPECT_GT(written, 0u);
    }
}

}  // namespace
}  // namespace mdvr
