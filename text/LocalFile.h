#pragma once
// File access by UTF-16 path on both platforms (Linux file names are taken as UTF-8).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace mdvr {

#ifdef _WIN32
inline constexpr wchar_t kPathSeparator = L'\\';
#else
inline constexpr wchar_t kPathSeparator = L'/';
#endif

std::filesystem::path ToFsPath(const std::wstring& path);
std::wstring FromFsPath(const std::filesystem::path& path);

// A regular file that can be opened for reading; directories do not count on any platform.
bool CanOpenForReading(const std::wstring& path);

// Size and modification time: a file whose stamp is unchanged need not be read again.
struct FileStamp {
    uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

}  // namespace mdvr
