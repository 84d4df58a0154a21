#include "protocol/QueryListWriter.h"

#include "protocol/ByteOrder.h"
#include "protocol/ParamItem.h"

namespace mdvr {

QueryListWriter::QueryListWriter(std::span<uint8_t> buffer)
    : m_buffer(buffer), m_pos(buffer.empty() ? 0 : 1), m_failed(buffer.empty()) {}

bool QueryListWriter::Append(uint32_t id) {
    const bool ok = !m_buffer.empty() && m_count < kMaxListItems && m_buffer.size() - m_pos >= 4;
    if (ok) {
        StoreBe32(m_buffer.data() + m_pos, id);
        m_pos += 4;
        ++m_count;
    }
    m_failed = m_failed || !ok;
    return ok;
}

uint32_t QueryListWriter::Finish() {
    if (!m_buffer.empty()) {
        m_buffer[0] = m_count;
    }
    return m_pos;
}

}  // namespace mdvr
