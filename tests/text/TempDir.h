#pragma once
// A fresh directory under the system temp folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

#include "text/LocalFile.h"

namespace mdvr::test {

class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() /
                 ("mdvr_text_" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Directory as the text layer wants it: UTF-16, with a trailing separator.
    std::wstring Dir() const { return FromFsPath(m_path) + kPathSeparator; }
    std::wstring Write(const std::filesystem::path& relative, std::string_view bytes) const {
        std::filesystem::path full = m_path / relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return FromFsPath(full);
    }
    std::wstring Mkdir(const std::filesystem::path& relative) const {
        std::filesystem::create_directories(m_path / relative);
        return FromFsPath(m_path / relative) + kPathSeparator;
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace mdvr::test
