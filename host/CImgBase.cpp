#include "host/CImgBase.h"

#include <fstream>
#include <system_error>

namespace mdvr {

namespace {

constexpr uintmax_t kMaxImageBytes = 64u << 20;  // theme images are small; refuse anything huge

std::vector<uint8_t> ReadSmallFile(const std::filesystem::path& path) {
    std::error_code error;
    uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxImageBytes) return {};
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    std::ifstream in(path, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return {};
    return bytes;
}

}  // namespace

CImgBase* CImgBase::SCreateImage() {
    return new CImgBase;
}

void CImgBase::SDeleteImage(CImgBase* image) {
    delete image;
}

bool CImgBase::LoadImgByFileW(const std::filesystem::path& path) {
    Clear();
    std::vector<uint8_t> bytes = ReadSmallFile(path);
    std::optional<ImageHeader> header = ReadImageHeader(bytes);
    if (!header || header->width > INT32_MAX || header->height > INT32_MAX) return false;
    m_bytes = std::move(bytes);
    m_format = header->format;
    m_width = header->width;
    m_height = header->height;
    return true;
}

void CImgBase::Clear() {
    m_bytes.clear();
    m_format = ImageFormat::kPng;
    m_width = 0;
    m_height = 0;
}

}  // namespace mdvr
