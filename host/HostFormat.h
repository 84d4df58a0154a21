#pragma once
// Text helpers the host offers to the pages: validation messages, numbered messages and
// full-width characters for display.
#include <string>
#include <string_view>

namespace mdvr {

// "<name>：<rule>" with the full-width colon of Chinese texts.
std::wstring FormatChineseColon(std::wstring_view name, std::wstring_view rule);

// A format text (see WideFormat.h for what it accepts) with one or two integers.
std::wstring FormatStringInt(std::wstring_view format, int value);
std::wstring FormatStringInt2(std::wstring_view format, int first, int second);

// Printable ASCII becomes its full-width form (U+FF01..U+FF5E), a blank the ideographic space
// U+3000; every other character is returned unchanged.
wchar_t GetChineseChar(wchar_t ch);

}  // namespace mdvr
