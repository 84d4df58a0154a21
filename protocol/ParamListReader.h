#pragma once
// Walks the items of a TerminalParamList without ever reading outside
// min(length, buffer.size()), whatever the count and length bytes claim.
// An item whose 5-byte header or value reaches past that bound is dropped and the walk stops
// there; items before it are delivered in list order.
#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/ParamItem.h"

namespace mdvr {

class ParamListReader {
  public:
    // buffer: the bytes that may be read (the capacity); length: the bytes the list claims.
    ParamListReader(std::span<const uint8_t> buffer, size_t length);

    // The count byte (0 for an empty list).
    uint8_t DeclaredCount() const { return m_declared; }
    // Fills item with the next in-bounds item; false when the count is used up or the next
    // item does not fit.
    bool Next(ParamItem& item);
    // True once the walk stopped short of the count: the bound came first or an item
    // reached past it.
    bool Truncated() const { return m_truncated; }
    // Bytes consumed so far, count byte included.
    size_t Position() const { return m_pos; }

  private:
    std::span<const uint8_t> m_list;
    size_t m_pos = 0;
    uint8_t m_declared = 0;
    uint8_t m_read = 0;
    bool m_truncated = false;
};

}  // namespace mdvr
