#pragma once
// One item of a TerminalParamList: 4-byte big-endian ID, length byte, value bytes.
#include <cstddef>
#include <cstdint>
#include <span>

namespace mdvr {

inline constexpr size_t kItemHeaderSize = 5;
inline constexpr size_t kMaxItemValue = 255;
inline constexpr size_t kMaxListItems = 255;

struct ParamItem {
    uint32_t id = 0;
    uint8_t length = 0;
    uint32_t valueOffset = 0;  // from the start of the list (the count byte)
    std::span<const uint8_t> value;
};

// Writes one item at pos and advances pos past it. An item that does not fit in buffer,
// or a value longer than 255 bytes, writes nothing and gives false.
bool WriteParamItem(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id,
                    std::span<const uint8_t> value);

}  // namespace mdvr
