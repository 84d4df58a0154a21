#include "host/CLogFile2.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "host/CAppendFile.h"
#include "text/AppPath.h"
#include "text/LocalFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace mdvr {

namespace {

constexpr size_t kBytesPerLine = 16;
constexpr char kHexDigits[] = "0123456789ABCDEF";

struct Stamp {
    int year, month, day, hour, minute, second, millis;
};

Stamp Now() {
#ifdef _WIN32
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
#else
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm t{};
    localtime_r(&ts.tv_sec, &t);
    return {t.tm_year + 1900,
            t.tm_mon + 1,
            t.tm_mday,
            t.tm_hour,
            t.tm_min,
            t.tm_sec,
            static_cast<int>(ts.tv_nsec / 1000000)};
#endif
}

// Collects output on the stack and hands it to the file in large blocks.
class StackWriter {
  public:
    explicit StackWriter(CAppendFile& file) : m_file(file) {}
    ~StackWriter() { Flush(); }

    void Put(char c) {
        if (m_size == sizeof(m_buffer)) Flush();
        m_buffer[m_size++] = c;
    }
    void Put(const char* text, size_t size) {
        for (size_t i = 0; i < size; ++i) Put(text[i]);
    }
    void PutHex(uint32_t value, int digits) {
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            Put(kHexDigits[(value >> shift) & 0xF]);
    }
    void Flush() {
        if (m_size > 0) m_file.Write(m_buffer, m_size);
        m_size = 0;
    }

  private:
    CAppendFile& m_file;
    char m_buffer[4096];
    size_t m_size = 0;
};

// "00000010  7E 02 00 00 01 02 03 04  05 06 07 08 09 0A 0B 0C  ~..............."
void PutDumpLine(StackWriter& out, uint32_t offset, const uint8_t* bytes, size_t count) {
    out.PutHex(offset, 8);
    for (size_t i = 0; i < kBytesPerLine; ++i) {
        out.Put(i % 8 == 0 ? "  " : " ", i % 8 == 0 ? 2 : 1);
        if (i < count) {
            out.PutHex(bytes[i], 2);
        } else {
            out.Put("  ", 2);
        }
    }
    out.Put("  ", 2);
    for (size_t i = 0; i < count; ++i) {
        out.Put(bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.');
    }
    out.Put('\n');
}

void PutHeader(StackWriter& out, int level, const char* caption, uint32_t count) {
    Stamp s = Now();
    char line[640];
    int n = std::snprintf(
        line, sizeof(line), "%04d-%02d-%02d %02d:%02d:%02d.%03d [%d] %s (%u bytes)\n", s.year,
        s.month, s.day, s.hour, s.minute, s.second, s.millis, level, caption, count);
    if (n <= 0) return;
    out.Put(line, std::min(static_cast<size_t>(n), sizeof(line) - 1));
}

std::filesystem::path DefaultLogFile() {
    return ToFsPath(GetAppPath()) / "Log" / "mdvr808.log";
}

}  // namespace

struct CLogFile2::Impl {
    std::filesystem::path path;  // empty: the default file
    CAppendFile file;
    bool unusable = false;  // the open failed: skip until another file is chosen

    std::filesystem::path Path() const { return path.empty() ? DefaultLogFile() : path; }

    bool EnsureOpen() {
        if (file.IsOpen()) return true;
        if (unusable) return false;
        unusable = !file.Open(Path());
        if (!unusable) Now();  // loads the time zone now, not on the first logged line
        return !unusable;
    }
};

CLogFile2& CLogFile2::Instance() {
    static CLogFile2 instance;
    return instance;
}

CLogFile2::CLogFile2() : m_impl(new Impl) {}

CLogFile2::~CLogFile2() {
    delete m_impl;
}

void CLogFile2::SetFile(const std::filesystem::path& path) {
    m_impl->file.Close();
    m_impl->unusable = false;
    m_impl->path = path;
}

std::filesystem::path CLogFile2::File() const {
    return m_impl->Path();
}

void CLogFile2::WriteHex(int level, const uint8_t* bytes, uint32_t count, const char* format, ...) {
    if (!m_impl->EnsureOpen()) return;
    if (bytes == nullptr) count = 0;
    char caption[512] = "";
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(caption, sizeof(caption), format, args);
        va_end(args);
    }
    StackWriter out(m_impl->file);
    PutHeader(out, level, caption, count);
    for (uint32_t offset = 0; offset < count; offset += kBytesPerLine) {
        size_t n = count - offset < kBytesPerLine ? count - offset : kBytesPerLine;
        PutDumpLine(out, offset, bytes + offset, n);
    }
}

}  // namespace mdvr
