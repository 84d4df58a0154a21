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
// Within a stamp round open on this thread, each file's stamp is read once.
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

// One call into the plug-in (an export, a window message, a user action): its windows ask for the
// same theme images and language file many times over, and a file changed meanwhile is seen at
// the next call. Rounds nest; the outermost one's end forgets the stamps.
class StampRound {
  public:
    StampRound();
    ~StampRound();
    StampRound(const StampRound&) = delete;
    StampRound& operator=(const StampRound&) = delete;

    // The file's stamp has been read already in the round open on this thread.
    static bool Seen(const std::filesystem::path& path);
};

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

}  // namespace mdvr
