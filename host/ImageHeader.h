#pragma once
// Reads the pixel size from the header of a PNG or JPEG file image, without decoding it.
#include <cstdint>
#include <optional>
#include <span>

namespace mdvr {

enum class ImageFormat { kPng, kJpeg };

struct ImageHeader {
    ImageFormat format;
    uint32_t width;
    uint32_t height;
};

// None for anything that is not a well-formed PNG or baseline/progressive JPEG header with a
// non-zero size. Never reads outside bytes.
std::optional<ImageHeader> ReadImageHeader(std::span<const uint8_t> bytes);

}  // namespace mdvr
