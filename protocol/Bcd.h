#pragma once
// Packed BCD bytes as the video and vendor parameters carry times: 0x23 means 23.
#include <cstdint>

namespace mdvr {

// Encodes value modulo 100 (ToBcd(123) == 0x23).
uint8_t ToBcd(unsigned value);
// Decodes a BCD byte. A byte with a nibble above 9 is not a number and decodes as 0, so a
// garbled time shows as 00 rather than an out-of-range value.
uint8_t FromBcd(uint8_t bcd);
bool IsValidBcd(uint8_t bcd);

}  // namespace mdvr
