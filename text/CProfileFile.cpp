#include "text/CProfileFile.h"

#include <chrono>
#include <filesystem>
#include <mutex>
#include <optional>

#include "text/CodePage.h"
#include "text/LocalFile.h"

namespace mdvr {
namespace {

constexpr std::wstring_view kBlanks = L" \t\v\f";
constexpr std::wstring_view kLineEnds{L"\r\n\0", 3};
constexpr size_t kMaxCachedFiles = 16;
constexpr std::chrono::seconds kSettleTime{2};

std::wstring_view Trim(std::wstring_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::wstring_view::npos) return {};
    size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return lower;
}

std::wstring_view Unquote(std::wstring_view value) {
    bool quoted = value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
                  value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

std::wstring Decode(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return Utf16LeToWide(bytes.substr(2));
    if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToWide(bytes.substr(3));
    return IsValidUtf8(bytes) ? Utf8ToWide(bytes) : AnsiToWide(bytes);
}

// File times are coarse: a file written within the last moments may change again without its
// stamp changing, so only a settled stamp spares reading the bytes.
bool IsSettled(const FileStamp& stamp) {
    return stamp.modified < std::filesystem::file_time_type::clock::now() - kSettleTime;
}

// Parsed files by path, each with the bytes it was parsed from.
class ParsedFileCache {
  public:
    std::shared_ptr<const CProfileFile> Get(const std::wstring& path) {
        std::lock_guard lock(m_mutex);
        const std::filesystem::path fsPath = ToFsPath(path);
        // Looked at already in this round: its bytes were compared then.
        const bool checked = StampRound::Seen(fsPath);
        std::optional<FileStamp> stamp = StampOf(fsPath);
        auto found = m_entries.find(path);
        bool known = found != m_entries.end() && stamp;
        if (known && found->second.stamp == *stamp && (checked || IsSettled(*stamp)))
            return found->second.file;
        std::optional<std::string> bytes = ReadWholeFile(path);
        if (!bytes) return std::make_shared<const CProfileFile>(std::string_view{});
        if (known && found->second.bytes == *bytes) {
            found->second.stamp = *stamp;
            return found->second.file;
        }
        if (m_entries.size() >= kMaxCachedFiles) m_entries.clear();
        auto file = std::make_shared<const CProfileFile>(*bytes);
        m_entries[path] = Entry{std::move(*bytes), stamp.value_or(FileStamp{}), file};
        return file;
    }

    void Clear() {
        std::lock_guard lock(m_mutex);
        m_entries.clear();
    }

  private:
    struct Entry {
        std::string bytes;
        FileStamp stamp;
        std::shared_ptr<const CProfileFile> file;
    };
    std::mutex m_mutex;
    std::map<std::wstring, Entry> m_entries;
};

std::optional<uint32_t> ParseLeadingInt(std::wstring_view text) {
    bool negative = !text.empty() && text.front() == L'-';
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) text.remove_prefix(1);
    if (text.empty() || text.front() < L'0' || text.front() > L'9') return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i] - L'0');
    }
    return negative ? 0u - value : value;
}

}  // namespace

CProfileFile::CProfileFile(std::string_view bytes) {
    std::wstring text = Decode(bytes);
    std::wstring section;
    std::wstring_view rest(text);
    while (!rest.empty()) {
        size_t end = rest.find_first_of(kLineEnds);
        ParseLine(rest.substr(0, end), section);
        rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 1);
    }
}

void CProfileFile::ParseLine(std::wstring_view line, std::wstring& section) {
    line = Trim(line);
    if (line.empty() || line.front() == L';' || line.front() == L'#') return;
    if (line.front() == L'[') {
        section = LowerAscii(Trim(line.substr(1, line.find(L']') - 1)));
        return;
    }
    size_t equals = line.find(L'=');
    std::wstring_view key = Trim(line.substr(0, equals));
    std::wstring_view value = equals == std::wstring_view::npos ? L"" : line.substr(equals + 1);
    m_values.emplace(Name{section, LowerAscii(key)}, Unquote(Trim(value)));
}

namespace {

ParsedFileCache& TheParsedFiles() {
    static ParsedFileCache cache;
    return cache;
}

}  // namespace

std::shared_ptr<const CProfileFile> CProfileFile::Open(const std::wstring& path) {
    return TheParsedFiles().Get(path);
}

void CProfileFile::ForgetParsedFiles() {
    TheParsedFiles().Clear();
}

const std::wstring* CProfileFile::Find(std::wstring_view section, std::wstring_view key) const {
    auto found = m_values.find(Name{LowerAscii(Trim(section)), LowerAscii(Trim(key))});
    return found == m_values.end() ? nullptr : &found->second;
}

std::wstring CProfileFile::GetString(std::wstring_view section, std::wstring_view key,
                                     std::wstring_view fallback, size_t maxChars) const {
    const std::wstring* value = Find(section, key);
    std::wstring_view text = value != nullptr ? std::wstring_view(*value) : fallback;
    return std::wstring(text.substr(0, maxChars));
}

int32_t CProfileFile::GetInt(std::wstring_view section, std::wstring_view key,
                             int32_t fallback) const {
    const std::wstring* value = Find(section, key);
    if (value == nullptr) return fallback;
    std::optional<uint32_t> number = ParseLeadingInt(*value);
    return number ? static_cast<int32_t>(*number) : fallback;
}

std::wstring CProfileFile::ReadString(const std::wstring& path, std::wstring_view section,
                                      std::wstring_view key, std::wstring_view fallback,
                                      size_t maxChars) {
    return Open(path)->GetString(section, key, fallback, maxChars);
}

int32_t CProfileFile::ReadInt(const std::wstring& path, std::wstring_view section,
                              std::wstring_view key, int32_t fallback) {
    return Open(path)->GetInt(section, key, fallback);
}

}  // namespace mdvr
