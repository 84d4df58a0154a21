#pragma once
// The language table: every user-visible text is looked up here by numeric string ID, in
// section "STRING" of the language file that the host names. Texts found are cached until the
// file changes; an empty value counts as missing and is looked up again next time.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace mdvr {

class CLanguage {
  public:
    // Longest text returned; longer values are cut.
    static constexpr size_t kMaxTextChars = 258;

    // A table of its own, outside the module's instance (tests, tools).
    CLanguage() = default;
    CLanguage(const CLanguage&) = delete;
    CLanguage& operator=(const CLanguage&) = delete;

    // The module's table, created on first use (on the UI thread).
    static CLanguage& Instance();
    // Deletes the module's table; called when the module unloads.
    static void Release();

    // 1 when path names a readable file other than the current one (the cache is then
    // emptied); 0 otherwise, with path and cache left as they were.
    int SetFile(const std::wstring& path);
    // 1 with text set when ID has a non-empty value; 0 with text untouched otherwise.
    int GetString(int32_t id, std::wstring& text);
    // The text of ID, empty when missing.
    std::wstring GetText(int32_t id);

  private:
    std::mutex m_mutex;
    std::wstring m_filePath;
    std::map<int32_t, std::wstring> m_cache;
};

}  // namespace mdvr
