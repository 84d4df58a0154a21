#pragma once
// Packed BCD bytes as the video and vendor parameters carry times: 0x23 means 23.
#include <cstdint>

namespace mdvr {

// Encodes value modulo 100 (ToBcd(123) == 0x23).
uint8_t ToBcd(unsigned value);
// Decodes a BCD byte, weighting the nibbles as they stand: 0x3A gives 40, 0xFF gives 165.
// Defined for every byte; IsValidBcd tells whether the byte was a BCD number at all, and a
// caller judging a whole time (hour, minute) rejects what does not fit its range.
uint8_t FromBcd(uint8_t bcd);
bool IsValidBcd(uint8_t bcd);

}  // namespace mdvr
