#include "text/LocalFile.h"

#include <fstream>
#include <map>
#include <system_error>

#include "text/CodePage.h"

namespace mdvr {

std::filesystem::path ToFsPath(const std::wstring& path) {
#ifdef _WIN32
    return {path};
#else
    return {WideToUtf8(path)};
#endif
}

std::wstring FromFsPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    return Utf8ToWide(path.string());
#endif
}

bool CanOpenForReading(const std::wstring& path) {
    if (path.empty()) return false;
    std::filesystem::path fsPath = ToFsPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(fsPath, error)) return false;
    std::ifstream file(fsPath, std::ios::binary);
    return file.is_open();
}

namespace {

struct Round {
    int depth = 0;
    std::map<std::filesystem::path, std::optional<FileStamp>> stamps;
};

thread_local Round t_round;

std::optional<FileStamp> ReadStamp(const std::filesystem::path& path) {
    std::error_code error;
    FileStamp stamp{std::filesystem::file_size(path, error), {}};
    if (!error) stamp.modified = std::filesystem::last_write_time(path, error);
    return error ? std::nullopt : std::optional(stamp);
}

}  // namespace

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
    if (t_round.depth == 0) return ReadStamp(path);
    auto found = t_round.stamps.find(path);
    if (found == t_round.stamps.end()) found = t_round.stamps.emplace(path, ReadStamp(path)).first;
    return found->second;
}

StampRound::StampRound() {
    ++t_round.depth;
}

StampRound::~StampRound() {
    if (--t_round.depth == 0) t_round.stamps.clear();
}

bool StampRound::Seen(const std::filesystem::path& path) {
    return t_round.depth > 0 && t_round.stamps.count(path) != 0;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    if (!CanOpenForReading(path)) return std::nullopt;
    std::ifstream file(ToFsPath(path), std::ios::binary | std::ios::ate);
    std::streamoff size = file.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    file.seekg(0);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

}  // namespace mdvr
