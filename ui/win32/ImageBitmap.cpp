#include "ui/win32/ImageBitmap.h"

#include <objbase.h>
#include <wincodec.h>

#include <map>
#include <utility>

#include "host/CImgBase.h"

namespace mdvr::ui::win32 {

namespace {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (m_ptr != nullptr) m_ptr->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return m_ptr; }
    T* Get() const { return m_ptr; }
    T** Out() { return &m_ptr; }

  private:
    T* m_ptr = nullptr;
};

// COM for the decoder on this thread; a thread the host runs in another mode keeps it.
class ComScope {
  public:
    ComScope() : m_owned(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (m_owned) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool m_owned;
};

bool DecodeFrame(std::span<const uint8_t> bytes, ComPtr<IWICImagingFactory>& factory,
                 ComPtr<IWICFormatConverter>& converter) {
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.Out()))) &&
           SUCCEEDED(factory->CreateStream(stream.Out())) &&
           SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                                  static_cast<DWORD>(bytes.size()))) &&
           SUCCEEDED(factory->CreateDecoderFromStream(
               stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())) &&
           SUCCEEDED(decoder->GetFrame(0, frame.Out())) &&
           SUCCEEDED(factory->CreateFormatConverter(converter.Out())) &&
           SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                           WICBitmapDitherTypeNone, nullptr, 0.0,
                                           WICBitmapPaletteTypeCustom));
}

HBITMAP CreateTopDownDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

ImageBitmap::~ImageBitmap() {
    if (m_bitmap != nullptr) DeleteObject(m_bitmap);
}

ImageBitmap::ImageBitmap(ImageBitmap&& other) noexcept
    : m_bitmap(std::exchange(other.m_bitmap, nullptr)),
      m_width(other.m_width),
      m_height(other.m_height) {}

ImageBitmap& ImageBitmap::operator=(ImageBitmap&& other) noexcept {
    std::swap(m_bitmap, other.m_bitmap);
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    return *this;
}

std::shared_ptr<const ImageBitmap> ImageBitmap::FromFile(const std::filesystem::path& path) {
    struct Decoded {
        std::shared_ptr<const CImgBase> source;
        std::shared_ptr<const ImageBitmap> bitmap;
    };
    static std::map<std::filesystem::path, Decoded> decoded;  // the UI thread's
    std::shared_ptr<const CImgBase> source = CImgBase::Cached(path);
    if (!source) {
        decoded.erase(path);
        return nullptr;
    }
    Decoded& entry = decoded[path];
    if (entry.source != source) {
        entry.source = source;
        entry.bitmap = std::make_shared<const ImageBitmap>(FromBytes(source->Bytes()));
    }
    return entry.bitmap->HasPic() ? entry.bitmap : nullptr;
}

ImageBitmap ImageBitmap::FromBytes(std::span<const uint8_t> bytes) {
    ImageBitmap bitmap;
    if (bytes.empty()) return bitmap;
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (!DecodeFrame(bytes, factory, converter) || FAILED(converter->GetSize(&width, &height)) ||
        width == 0 || height == 0) {
        return bitmap;
    }
    void* bits = nullptr;
    HBITMAP dib = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height), &bits);
    if (dib == nullptr) return bitmap;
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        DeleteObject(dib);
        return bitmap;
    }
    bitmap.m_bitmap = dib;
    bitmap.m_width = static_cast<int>(width);
    bitmap.m_height = static_cast<int>(height);
    return bitmap;
}

void ImageBitmap::Draw(HDC dc, const RECT& rect) const {
    if (m_bitmap == nullptr) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, m_bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, memory, 0,
               0, m_width, m_height, blend);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace mdvr::ui::win32
