#pragma once
// Builds the request of a query of specified parameters: count byte, then 4-byte big-endian
// IDs. Never writes past the buffer; an ID that does not fit (or a 256th) writes nothing.
#include <cstdint>
#include <span>

namespace mdvr {

class QueryListWriter {
  public:
    explicit QueryListWriter(std::span<uint8_t> buffer);

    bool Append(uint32_t id);
    // Stores the count in byte 0 and returns the length, 1 + 4 * count (0 for an empty buffer).
    uint32_t Finish();

    uint8_t Count() const { return m_count; }
    bool Failed() const { return m_failed; }

  private:
    std::span<uint8_t> m_buffer;
    uint32_t m_pos = 0;
    uint8_t m_count = 0;
    bool m_failed = false;
};

}  // namespace mdvr
