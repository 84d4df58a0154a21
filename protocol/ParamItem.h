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

// What a page sees of one received item: its ID and exactly its value bytes. Reads past the
// value give zeros, so a record shorter than a page expects never reaches the next item.
class ParamItemView {
  public:
    constexpr ParamItemView(uint32_t id, std::span<const uint8_t> value) : m_id(id), m_value(value) {}

    constexpr uint32_t Id() const { return m_id; }
    constexpr size_t Length() const { return m_value.size(); }
    constexpr std::span<const uint8_t> Bytes() const { return m_value; }
    constexpr uint8_t At(size_t index) const { return index < m_value.size() ? m_value[index] : 0; }
    // width bytes (at most 4) from offset as a big-endian number.
    constexpr uint32_t BigEndian(size_t offset, size_t width) const {
        uint32_t value = 0;
        for (size_t i = 0; i < width && i < 4; ++i) value = (value << 8) | At(offset + i);
        return value;
    }

  private:
    uint32_t m_id;
    std::span<const uint8_t> m_value;
};

// Writes one item at pos and advances pos past it. An item that does not fit in buffer,
// or a value longer than 255 bytes, writes nothing and gives false.
bool WriteParamItem(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id,
                    std::span<const uint8_t> value);

}  // namespace mdvr
