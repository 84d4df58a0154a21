#include "protocol/ParamListReader.h"

#include <algorithm>

#include "protocol/ByteOrder.h"

namespace mdvr {

ParamListReader::ParamListReader(std::span<const uint8_t> buffer, size_t length)
    : m_list(buffer.first(std::min(length, buffer.size()))) {
    if (!m_list.empty()) {
        m_declared = m_list[0];
        m_pos = 1;
    }
}

bool ParamListReader::Next(ParamItem& item) {
    if (m_read >= m_declared || m_truncated) {
        return false;
    }
    const size_t left = m_list.size() - m_pos;
    if (left < kItemHeaderSize || left - kItemHeaderSize < m_list[m_pos + 4]) {
        m_truncated = true;
        return false;
    }
    const uint8_t* header = m_list.data() + m_pos;
    item.id = LoadBe32(header);
    item.length = header[4];
    item.valueOffset = static_cast<uint32_t>(m_pos + kItemHeaderSize);
    item.value = m_list.subspan(item.valueOffset, item.length);
    m_pos += kItemHeaderSize + item.length;
    ++m_read;
    return true;
}

}  // namespace mdvr
