#include "Check.h"

#include <cstdio>

#include "text/CodePage.h"

namespace mdvr::wintest {

namespace {
int g_passed = 0;
int g_failed = 0;
}  // namespace

void Check(bool ok, const char* expression, int line) {
    if (ok) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("FAIL line %d: %s\n", line, expression);
    std::fflush(stdout);
}

void CheckText(const std::wstring& actual, const std::wstring& expected, const char* expression,
               int line) {
    Check(actual == expected, expression, line);
    if (actual != expected) {
        std::printf("  got \"%s\", want \"%s\"\n", WideToUtf8(actual).c_str(),
                    WideToUtf8(expected).c_str());
    }
}

int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}

}  // namespace mdvr::wintest
