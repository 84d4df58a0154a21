#pragma once
// A theme image file decoded by the platform (WIC: JPEG, PNG, BMP) into a premultiplied 32-bit
// bitmap that can be stretched onto a button.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

namespace mdvr::ui::win32 {

class ImageBitmap {
  public:
    ImageBitmap() = default;
    ~ImageBitmap();
    ImageBitmap(ImageBitmap&& other) noexcept;
    ImageBitmap& operator=(ImageBitmap&& other) noexcept;
    ImageBitmap(const ImageBitmap&) = delete;
    ImageBitmap& operator=(const ImageBitmap&) = delete;

    // The file's picture through the host's image loader, decoded once and shared until the file
    // changes; null for a file without one.
    static std::shared_ptr<const ImageBitmap> FromFile(const std::filesystem::path& path);
    static ImageBitmap FromBytes(std::span<const uint8_t> bytes);

    bool HasPic() const { return m_bitmap != nullptr; }
    // Stretches the whole image over the rectangle, honouring its alpha.
    void Draw(HDC dc, const RECT& rect) const;

  private:
    HBITMAP m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};

}  // namespace mdvr::ui::win32
