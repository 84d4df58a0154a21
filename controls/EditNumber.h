#pragma once
// How the range-checked edits read their text and which range is in force.
#include <cstdint>
#include <string>
#include <string_view>

namespace mdvr {

// Leading blanks and one sign, then digits up to the first non-digit; no digits reads as 0.
// Values beyond the width saturate at its limits.
int64_t ReadEditInt64(std::wstring_view text);
int32_t ReadEditInt32(std::wstring_view text);

enum class BoundsKind { kNone, k32, k64 };

// The 32-bit range wins when it is a real range, then the 64-bit one; an empty range checks off.
BoundsKind ActiveBounds(int32_t min, int32_t max, int64_t min64, int64_t max64);

// A byte as two upper-case hexadecimal digits.
std::wstring HexByte(uint8_t value);

// Length of the leading run of printable, non-blank ASCII (0x21..0x7E).
size_t PrintableAsciiPrefix(std::wstring_view text);

}  // namespace mdvr
