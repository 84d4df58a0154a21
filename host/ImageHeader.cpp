#include "host/ImageHeader.h"

#include <algorithm>
#include <array>

namespace mdvr {

namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr size_t kPngHeaderEnd = 24;  // signature, IHDR length and type, width, height

uint32_t Be32(std::span<const uint8_t> b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

uint32_t Be16(std::span<const uint8_t> b, size_t at) {
    return uint32_t{b[at]} << 8 | b[at + 1];
}

std::optional<ImageHeader> SizedHeader(ImageFormat format, uint32_t width, uint32_t height) {
    if (width == 0 || height == 0) return std::nullopt;
    return ImageHeader{format, width, height};
}

std::optional<ImageHeader> ReadPng(std::span<const uint8_t> b) {
    if (b.size() < kPngHeaderEnd) return std::nullopt;
    if (!std::equal(kPngSignature.begin(), kPngSignature.end(), b.begin())) return std::nullopt;
    if (b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return std::nullopt;
    return SizedHeader(ImageFormat::kPng, Be32(b, 16), Be32(b, 20));
}

// Start-of-frame markers carry the size; C4 (DHT), C8 (JPG) and CC (DAC) share the range.
bool IsStartOfFrame(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool HasNoLength(uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

std::optional<ImageHeader> ReadJpeg(std::span<const uint8_t> b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    size_t at = 2;
    while (at + 1 < b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        uint8_t marker = b[at + 1];
        at += 2;
        if (marker == 0xFF) {  // fill byte before a marker
            --at;
            continue;
        }
        if (HasNoLength(marker)) continue;
        if (marker == 0xD9 || marker == 0xDA || at + 2 > b.size()) return std::nullopt;
        uint32_t length = Be16(b, at);
        if (IsStartOfFrame(marker)) {
            if (length < 7 || at + 7 > b.size()) return std::nullopt;
            return SizedHeader(ImageFormat::kJpeg, Be16(b, at + 5), Be16(b, at + 3));
        }
        if (length < 2) return std::nullopt;
        at += length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ImageHeader> ReadImageHeader(std::span<const uint8_t> bytes) {
    if (auto png = ReadPng(bytes)) return png;
    return ReadJpeg(bytes);
}

}  // namespace mdvr
