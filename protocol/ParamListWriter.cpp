#include "protocol/ParamListWriter.h"

#include <array>

#include "protocol/ByteOrder.h"
#include "protocol/ParamItem.h"
#include "protocol/ParamText.h"

namespace mdvr {

ParamListWriter::ParamListWriter(std::span<uint8_t> buffer)
    : m_buffer(buffer), m_pos(buffer.empty() ? 0 : 1), m_failed(buffer.empty()) {}

bool ParamListWriter::AppendU8(uint32_t id, uint8_t value) {
    return AppendInteger(id, value, 1);
}

bool ParamListWriter::AppendU16(uint32_t id, uint16_t value) {
    return AppendInteger(id, value, 2);
}

bool ParamListWriter::AppendU32(uint32_t id, uint32_t value) {
    return AppendInteger(id, value, 4);
}

bool ParamListWriter::AppendInteger(uint32_t id, uint32_t value, size_t width) {
    std::array<uint8_t, 4> bytes{};
    StoreBe(bytes.data(), value, width);
    return AppendBytes(id, std::span<const uint8_t>(bytes.data(), width));
}

bool ParamListWriter::AppendText(uint32_t id, std::wstring_view text) {
    return AppendBytes(id, EncodeParamText(text).Value());
}

bool ParamListWriter::AppendBytes(uint32_t id, std::span<const uint8_t> value) {
    const bool ok =
        !m_buffer.empty() && m_count < kMaxListItems && WriteParamItem(m_buffer, m_pos, id, value);
    if (ok) {
        ++m_count;
    }
    m_failed = m_failed || !ok;
    return ok;
}

uint32_t ParamListWriter::Finish() {
    if (!m_buffer.empty()) {
        m_buffer[0] = m_count;
    }
    return m_pos;
}

}  // namespace mdvr
