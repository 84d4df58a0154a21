#include "protocol/QueryListReader.h"

#include <algorithm>

#include "protocol/ByteOrder.h"

namespace mdvr {

QueryListReader::QueryListReader(std::span<const uint8_t> buffer, size_t length)
    : m_list(buffer.first(std::min(length, buffer.size()))) {
    if (!m_list.empty()) {
        m_declared = m_list[0];
        m_pos = 1;
    }
}

bool QueryListReader::Next(uint32_t& id) {
    if (m_read >= m_declared || m_list.size() - m_pos < 4) {
        return false;
    }
    id = LoadBe32(m_list.data() + m_pos);
    m_pos += 4;
    ++m_read;
    return true;
}

}  // namespace mdvr
