#pragma once
// The Windows tests' own minimal checks: each failure is printed with its line, and the program
// ends with the "N passed, M failed" line that ctest judges.
#include <cstdio>
#include <string>

#include "text/CodePage.h"

namespace mdvr::wintest {

inline int g_passed = 0;
inline int g_failed = 0;

inline void Check(bool ok, const char* expression, int line) {
    ok ? ++g_passed : ++g_failed;
    if (!ok) std::printf("FAIL line %d: %s\n", line, expression);
    std::fflush(stdout);
}

inline void CheckText(const std::wstring& actual, const std::wstring& expected,
                      const char* expression, int line) {
    Check(actual == expected, expression, line);
    if (actual != expected) {
        std::printf("  got \"%s\", want \"%s\"\n", WideToUtf8(actual).c_str(),
                    WideToUtf8(expected).c_str());
    }
}

// Prints the result line; returns the process exit code.
inline int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}

}  // namespace mdvr::wintest

#define CHECK(expr) ::mdvr::wintest::Check((expr), #expr, __LINE__)
#define CHECK_TEXT(actual, expected) \
    ::mdvr::wintest::CheckText((actual), (expected), #actual, __LINE__)
