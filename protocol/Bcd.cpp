#include "protocol/Bcd.h"

namespace mdvr {

uint8_t ToBcd(unsigned value) {
    const unsigned tens = (value / 10) % 10;
    const unsigned ones = value % 10;
    return static_cast<uint8_t>((tens << 4) | ones);
}

bool IsValidBcd(uint8_t bcd) {
    return (bcd >> 4) <= 9 && (bcd & 0x0F) <= 9;
}

uint8_t FromBcd(uint8_t bcd) {
    return static_cast<uint8_t>((bcd >> 4) * 10 + (bcd & 0x0F));
}

}  // namespace mdvr
