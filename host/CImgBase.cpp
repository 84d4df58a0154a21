#include "host/CImgBase.h"

#include <fstream>
#include <map>
#include <mutex>
#include <system_error>

#include "text/LocalFile.h"

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

// Theme images by path: a window's buttons ask for the same few files again and again.
class ImageFileCache {
  public:
    std::shared_ptr<const CImgBase> Get(const std::filesystem::path& path) {
        std::lock_guard lock(m_mutex);
        const std::optional<FileStamp> stamp = StampOf(path);
        if (!stamp) {
            m_entries.erase(path);
            return nullptr;
        }
        Entry& entry = m_entries[path];
        if (entry.stamp != stamp) entry = Entry{stamp, Load(path)};
        return entry.image;
    }

  private:
    struct Entry {
        std::optional<FileStamp> stamp;
        std::shared_ptr<const CImgBase> image;
    };

    static std::shared_ptr<const CImgBase> Load(const std::filesystem::path& path) {
        auto image = std::make_shared<CImgBase>();
        return image->LoadImgByFileW(path) ? image : nullptr;
    }

    std::mutex m_mutex;
    std::map<std::filesystem::path, Entry> m_entries;
};

}  // namespace

std::shared_ptr<const CImgBase> CImgBase::Cached(const std::filesystem::path& path) {
    static ImageFileCache cache;
    return cache.Get(path);
}

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
