#pragma once
// Reads the IDs of a query list (count byte, 4-byte big-endian IDs) within
// min(length, buffer.size()); a cut-off last ID is dropped. Hosts use it to answer a query.
#include <cstddef>
#include <cstdint>
#include <span>

namespace mdvr {

class QueryListReader {
  public:
    QueryListReader(std::span<const uint8_t> buffer, size_t length);

    uint8_t DeclaredCount() const { return m_declared; }
    bool Next(uint32_t& id);

  private:
    std::span<const uint8_t> m_list;
    size_t m_pos = 0;
    uint8_t m_declared = 0;
    uint8_t m_read = 0;
};

}  // namespace mdvr
