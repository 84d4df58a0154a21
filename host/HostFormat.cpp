#include "host/HostFormat.h"

#include "host/WideFormat.h"

namespace mdvr {

namespace {
constexpr wchar_t kFullWidthColon = L'\uFF1A';
constexpr wchar_t kIdeographicSpace = L'\u3000';
constexpr wchar_t kFullWidthOffset = 0xFF01 - 0x21;
}  // namespace

std::wstring FormatChineseColon(std::wstring_view name, std::wstring_view rule) {
    std::wstring text(name);
    text += kFullWidthColon;
    text += rule;
    return text;
}

std::wstring FormatStringInt(std::wstring_view format, int value) {
    const FormatArg args[] = {int64_t{value}};
    return FormatWide(format, args);
}

std::wstring FormatStringInt2(std::wstring_view format, int first, int second) {
    const FormatArg args[] = {int64_t{first}, int64_t{second}};
    return FormatWide(format, args);
}

wchar_t GetChineseChar(wchar_t ch) {
    if (ch == L' ') return kIdeographicSpace;
    if (ch >= 0x21 && ch <= 0x7E) return static_cast<wchar_t>(ch + kFullWidthOffset);
    return ch;
}

}  // namespace mdvr
