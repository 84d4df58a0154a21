#pragma once
// A fresh directory under the system temp folder, removed again at the end of its scope.
// The name is random, so test processes that ctest runs in parallel never share one.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

namespace mdvr::test {

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadFileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileText(const std::filesystem::path& file, std::string_view content) {
    std::ofstream(file, std::ios::binary)
        .write(content.data(), static_cast<std::streamsize>(content.size()));
}

class ScratchDir {
  public:
    explicit ScratchDir(const std::string& prefix)
        : m_path(std::filesystem::temp_directory_path() /
                 (prefix + "_" + std::to_string(std::random_device{}()) + "_" +
                  std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    // Writes a file below the directory (creating its folders) and returns its path.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::string_view content) const {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        WriteFileText(file, content);
        return file;
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace mdvr::test
