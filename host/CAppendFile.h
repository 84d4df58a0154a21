#pragma once
// An append-only file handle that writes straight to the OS: no C stdio buffer, no heap use
// per write, so a logger can sit on paths that must not allocate.
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace mdvr {

class CAppendFile {
  public:
    CAppendFile() = default;
    ~CAppendFile();
    CAppendFile(const CAppendFile&) = delete;
    CAppendFile& operator=(const CAppendFile&) = delete;

    // Opens (creating the file and its directories) for appending; false when it cannot.
    bool Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return m_handle != kNoHandle; }
    // Writes the whole block; false on any short or failed write.
    bool Write(const char* data, size_t size);

  private:
    static constexpr intptr_t kNoHandle = -1;
    intptr_t m_handle = kNoHandle;
};

}  // namespace mdvr
