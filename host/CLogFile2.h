#pragma once
// The host's hex logger: time-stamped hex dumps with a caption, appended to a log file.
#include <cstdint>
#include <filesystem>

namespace mdvr {

class CLogFile2 {
  public:
    // The module-wide logger, created on first use.
    static CLogFile2& Instance();

    // Logs count bytes as a hex dump under a printf-style caption. Allocates nothing after the
    // log file is open, so the parameter exchange path stays free of heap use.
    void WriteHex(int level, const uint8_t* bytes, uint32_t count, const char* format, ...)
        __attribute__((format(printf, 5, 6)));

    // Where the log goes (default: "Log/mdvr808.log" under the application path).
    void SetFile(const std::filesystem::path& path);
    std::filesystem::path File() const;
    ~CLogFile2();
    CLogFile2(const CLogFile2&) = delete;
    CLogFile2& operator=(const CLogFile2&) = delete;

  private:
    CLogFile2();
    struct Impl;
    Impl* m_impl;
};

}  // namespace mdvr
