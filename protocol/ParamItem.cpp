#include "protocol/ParamItem.h"

#include <algorithm>

#include "protocol/ByteOrder.h"

namespace mdvr {

bool WriteParamItem(std::span<uint8_t> buffer, uint32_t& pos, uint32_t id,
                    std::span<const uint8_t> value) {
    if (value.size() > kMaxItemValue || pos > buffer.size() ||
        buffer.size() - pos < kItemHeaderSize + value.size()) {
        return false;
    }
    uint8_t* out = buffer.data() + pos;
    StoreBe32(out, id);
    out[4] = static_cast<uint8_t>(value.size());
    std::copy(value.begin(), value.end(), out + kItemHeaderSize);
    pos += static_cast<uint32_t>(kItemHeaderSize + value.size());
    return true;
}

}  // namespace mdvr
