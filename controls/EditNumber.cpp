#include "controls/EditNumber.h"

#include <cwctype>
#include <limits>

namespace mdvr {

namespace {

constexpr uint64_t kMagnitudeCap = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;

bool IsAsciiDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

}  // namespace

std::wstring HexByte(uint8_t value) {
    constexpr std::wstring_view kDigits = L"0123456789ABCDEF";
    return {kDigits[static_cast<size_t>(value >> 4)], kDigits[static_cast<size_t>(value & 0x0F)]};
}

int64_t ReadEditInt64(std::wstring_view text) {
    size_t pos = 0;
    while (pos < text.size() && std::iswspace(static_cast<wint_t>(text[pos]))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'-' || text[pos] == L'+')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    uint64_t magnitude = 0;
    for (; pos < text.size() && IsAsciiDigit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - L'0');
        if (magnitude >= kMagnitudeCap) {
            magnitude = kMagnitudeCap;
            break;
        }
    }
    if (negative)
        return magnitude == kMagnitudeCap ? std::numeric_limits<int64_t>::min()
                                          : -static_cast<int64_t>(magnitude);
    return magnitude == kMagnitudeCap ? std::numeric_limits<int64_t>::max()
                                      : static_cast<int64_t>(magnitude);
}

int32_t ReadEditInt32(std::wstring_view text) {
    const int64_t value = ReadEditInt64(text);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

BoundsKind ActiveBounds(int32_t min, int32_t max, int64_t min64, int64_t max64) {
    if (min < max) return BoundsKind::k32;
    if (min64 < max64) return BoundsKind::k64;
    return BoundsKind::kNone;
}

size_t PrintableAsciiPrefix(std::wstring_view text) {
    size_t length = 0;
    while (length < text.size() && text[length] >= 0x21 && text[length] <= 0x7E) ++length;
    return length;
}

}  // namespace mdvr
