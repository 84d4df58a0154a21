#pragma once
// A fresh directory under the system temp folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace mdvr::test {

class TempFolder {
  public:
    explicit TempFolder(std::string_view name)
        : m_path(std::filesystem::temp_directory_path() /
                 (std::string(name) + "-" + std::to_string(++s_counter))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    std::filesystem::path Write(std::string_view fileName, std::string_view content) const {
        const std::filesystem::path file = m_path / fileName;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

  private:
    static inline int s_counter = 0;
    std::filesystem::path m_path;
};

}  // namespace mdvr::test
