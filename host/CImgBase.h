#pragma once
// A loaded image file: its size from the header and its bytes. Decoding and drawing belong to
// the UI backends, which take the bytes from here.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "host/ImageHeader.h"

namespace mdvr {

class CImgBase {
  public:
    static CImgBase* SCreateImage();
    static void SDeleteImage(CImgBase* image);

    // The file's image, shared and read again only when the file's size or time changed; null
    // when the file is missing or holds no picture.
    static std::shared_ptr<const CImgBase> Cached(const std::filesystem::path& path);

    // Replaces the image with a PNG or JPEG file's; false (and no picture) when the file
    // cannot be read or is neither.
    bool LoadImgByFileW(const std::filesystem::path& path);
    bool HasPic() const { return !m_bytes.empty(); }
    int GetWidth() const { return static_cast<int>(m_width); }
    int GetHeight() const { return static_cast<int>(m_height); }
    ImageFormat Format() const { return m_format; }
    std::span<const uint8_t> Bytes() const { return m_bytes; }

  private:
    void Clear();

    std::vector<uint8_t> m_bytes;
    ImageFormat m_format = ImageFormat::kPng;
    uint32_t m_width = 0;
    uint32_t m_height = 0;
};

}  // namespace mdvr
