// Own executable: it replaces the global allocation functions to count heap use.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <new>

#include "text/CodePage.h"

namespace {
std::atomic<size_t> g_allocations{0};
}

void* operator new(size_t size) {
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, size_t /*size*/) noexcept {
    std::free(block);
}

namespace mdvr {
namespace {

TEST(WideToAnsiHeapTest, SpanFormAllocatesNothingAfterFirstUse) {
    for (const char* charset : {"GBK", "UTF-8"}) {
        ASSERT_TRUE(SetAnsiCharset(charset));
        std::array<uint8_t, 64> buffer{};
        WideToAnsi(L"warm-up \u4E2D", buffer);
        size_t before = g_allocations.load();
        size_t written = 0;
        for (int i = 0; i < 100; ++i) {
            written = WideToAnsi(L"\u4E2D\u6587 abc \U0001F600", buffer);
        }
        EXPECT_EQ(g_allocations.load(), before) << charset;
        EXPECT_GT(written, 0u);
    }
}

}  // namespace
}  // namespace mdvr
