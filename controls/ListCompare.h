#pragma once
// The list's cell comparison: numbers, "yy-mm-dd hh:mm:ss" stamps or locale text, chosen by the
// first cell's text alone.
#include <string_view>

namespace mdvr {

enum class CompareKind { kNumber, kDateTime, kText };

CompareKind CompareKindOf(std::wstring_view text);
// -1, 0 or 1.
int CompareCells(std::wstring_view a, std::wstring_view b);

}  // namespace mdvr
