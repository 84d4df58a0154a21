#include "pages/VideoParamRecord.h"

namespace mdvr {

namespace {

constexpr size_t kOsdAt = 2 * StreamBlock::kSize;
constexpr size_t kAudioAt = kOsdAt + 2;

class Reader {
  public:
    explicit Reader(std::span<const uint8_t> value) : m_value(value) {}
    uint32_t At(size_t offset, size_t width) const {
        uint32_t number = 0;
        for (size_t i = 0; i < width; ++i) {
            const size_t at = offset + i;
            number = (number << 8) | (at < m_value.size() ? m_value[at] : 0u);
        }
        return number;
    }

  private:
    std::span<const uint8_t> m_value;
};

void Put(std::span<uint8_t> value, size_t offset, size_t width, uint32_t number) {
    for (size_t i = 0; i < width; ++i) {
        value[offset + i] = static_cast<uint8_t>(number >> (8 * (width - 1 - i)));
    }
}

StreamBlock ReadBlock(const Reader& in, size_t at) {
    StreamBlock block;
    block.encodeMode = static_cast<uint8_t>(in.At(at, 1));
    block.resolution = static_cast<uint8_t>(in.At(at + 1, 1));
    block.keyFrameInterval = static_cast<uint16_t>(in.At(at + 2, 2));
    block.frameRate = static_cast<uint8_t>(in.At(at + 4, 1));
    block.bitRate = in.At(at + 5, 4);
    return block;
}

void WriteBlock(const StreamBlock& block, std::span<uint8_t> value, size_t at) {
    Put(value, at, 1, block.encodeMode);
    Put(value, at + 1, 1, block.resolution);
    Put(value, at + 2, 2, block.keyFrameInterval);
    Put(value, at + 4, 1, block.frameRate);
    Put(value, at + 5, 4, block.bitRate);
}

}  // namespace

VideoParamRecord VideoParamRecord::Read(std::span<const uint8_t> value, Layout layout) {
    const Reader in(value);
    VideoParamRecord record;
    record.realTime = ReadBlock(in, 0);
    record.storage = ReadBlock(in, StreamBlock::kSize);
    record.osd = static_cast<uint16_t>(in.At(kOsdAt, HasWideOsd(layout) ? 2 : 1));
    if (layout == Layout::kStandard) record.audioOutput = static_cast<uint8_t>(in.At(kAudioAt, 1));
    return record;
}

void VideoParamRecord::Write(std::span<uint8_t> value, Layout layout) const {
    if (value.size() < Size(layout)) return;
    WriteBlock(realTime, value, 0);
    WriteBlock(storage, value, StreamBlock::kSize);
    Put(value, kOsdAt, HasWideOsd(layout) ? 2 : 1, osd);
    if (layout == Layout::kStandard) Put(value, kAudioAt, 1, audioOutput);
}

}  // namespace mdvr
