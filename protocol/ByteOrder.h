#pragma once
// Big-endian loads and stores for list values; the wire is big-endian whatever the host is.
#include <cstddef>
#include <cstdint>

namespace mdvr {

// Reads count bytes (at most 4) as one unsigned big-endian number.
inline uint32_t LoadBe(const uint8_t* bytes, size_t count) {
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

inline uint32_t LoadBe32(const uint8_t* bytes) {
    return LoadBe(bytes, 4);
}

// Writes the low count bytes of value (at most 4), most significant first.
inline void StoreBe(uint8_t* bytes, uint32_t value, size_t count) {
    for (size_t i = count; i > 0; --i) {
        bytes[i - 1] = static_cast<uint8_t>(value & 0xFFu);
        value >>= 8;
    }
}

inline void StoreBe32(uint8_t* bytes, uint32_t value) {
    StoreBe(bytes, value, 4);
}

}  // namespace mdvr
