#pragma once
// The JT/T 1078 audio/video parameter record: the real-time and the storage stream's encoding
// (a StreamBlock each), the OSD overlay mask and the audio output switch. The same bytes make the
// value of 0x0075 and, without the audio switch, each channel record of 0x0077.
#include <cstddef>
#include <cstdint>
#include <span>

namespace mdvr {

struct StreamBlock {
    static constexpr size_t kSize = 9;

    uint8_t encodeMode = 0;
    uint8_t resolution = 0;
    uint16_t keyFrameInterval = 0;
    uint8_t frameRate = 0;
    uint32_t bitRate = 0;  // kbps

    bool operator==(const StreamBlock&) const = default;
};

struct VideoParamRecord {
    // How much of the record a value carries.
    enum class Layout : uint8_t {
        kStandard,  // 21 bytes: 16-bit OSD mask, audio switch
        kChannel,   // 20 bytes: 16-bit OSD mask (a channel record of the standard layout)
        kShort,     // 19 bytes: 8-bit OSD mask
    };
    static constexpr size_t kStandardSize = 21;
    static constexpr size_t kShortSize = 19;

    static constexpr size_t Size(Layout layout) {
        return layout == Layout::kStandard  ? kStandardSize
               : layout == Layout::kChannel ? kStandardSize - 1
                                            : kShortSize;
    }
    static constexpr bool HasWideOsd(Layout layout) { return layout != Layout::kShort; }

    // Bytes past the end of value read as zeros.
    static VideoParamRecord Read(std::span<const uint8_t> value, Layout layout);
    // Overwrites the layout's fields in value (at least Size(layout) bytes); bytes the layout does
    // not cover keep what they held.
    void Write(std::span<uint8_t> value, Layout layout) const;

    StreamBlock realTime;
    StreamBlock storage;
    uint16_t osd = 0;
    uint8_t audioOutput = 0;

    bool operator==(const VideoParamRecord&) const = default;
};

}  // namespace mdvr
