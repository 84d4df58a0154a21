#pragma once
// Builds a TerminalParamList in a fixed buffer: items from offset 1, the count stored in byte 0
// by Finish. Never writes past the buffer: an item that does not fit (or a 256th item, which
// the count byte cannot hold) writes nothing, returns false and marks the writer Failed.
#include <cstdint>
#include <span>
#include <string_view>

namespace mdvr {

class ParamListWriter {
  public:
    explicit ParamListWriter(std::span<uint8_t> buffer);

    bool AppendU8(uint32_t id, uint8_t value);
    bool AppendU16(uint32_t id, uint16_t value);
    bool AppendU32(uint32_t id, uint32_t value);
    // Values of up to 255 bytes.
    bool AppendBytes(uint32_t id, std::span<const uint8_t> value);
    // ANSI bytes with the length-modulo-256 rule of ParamText.
    bool AppendText(uint32_t id, std::wstring_view text);

    // Stores the count in byte 0 and returns the list's length (0 for an empty buffer).
    uint32_t Finish();

    uint8_t Count() const { return m_count; }
    uint32_t Length() const { return m_pos; }
    bool Failed() const { return m_failed; }

  private:
    bool AppendInteger(uint32_t id, uint32_t value, size_t width);

    std::span<uint8_t> m_buffer;
    uint32_t m_pos = 0;
    uint8_t m_count = 0;
    bool m_failed = false;
};

}  // namespace mdvr
