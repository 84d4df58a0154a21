#pragma once
// The Windows tests' own minimal checks: each failure is printed with its line, and the program
// ends with the "N passed, M failed" line that ctest judges.
#include <string>

namespace mdvr::wintest {

void Check(bool ok, const char* expression, int line);
void CheckText(const std::wstring& actual, const std::wstring& expected, const char* expression,
               int line);
// Prints the result line; returns the process exit code.
int Summary();

}  // namespace mdvr::wintest

#define CHECK(expr) ::mdvr::wintest::Check((expr), #expr, __LINE__)
#define CHECK_TEXT(actual, expected) \
    ::mdvr::wintest::CheckText((actual), (expected), #actual, __LINE__)
