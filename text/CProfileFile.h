#pragma once
// INI ("profile") file look-up with one behaviour on every platform, in the manner of
// GetPrivateProfileStringW / GetPrivateProfileIntW:
//  - section and key names match case-insensitively (ASCII letters); the first occurrence wins;
//  - whitespace around names and values is trimmed; lines starting with ';' or '#' are comments;
//    text after a value is part of it (no inline comments, as on Windows);
//  - a value enclosed in a pair of matching quotes (" or ') loses them;
//  - a line without '=' inside a section is a key with an empty value;
//  - CR, LF and NUL all end a line, so a garbled file still yields whatever lines it has.
// Encodings: UTF-16LE with BOM, UTF-8 with BOM, BOM-less text that is valid UTF-8, and anything
// else as ANSI code page bytes (text/CodePage.h).
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace mdvr {

class CProfileFile {
  public:
    // Parses file contents; any bytes are accepted.
    explicit CProfileFile(std::string_view bytes);

    // The parsed file at path; a missing or unreadable file gives an empty profile. Parsed files
    // are kept and reused while the file's bytes stay the same, so edits are always seen.
    static std::shared_ptr<const CProfileFile> Open(const std::wstring& path);
    // The next Open of every file reads its bytes again.
    static void ForgetParsedFiles();

    // The value, or fallback when section or key is missing; either is cut to maxChars.
    std::wstring GetString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view fallback, size_t maxChars) const;

    // Leading decimal digits with an optional sign (after trimming), wrapping modulo 2^32 like
    // GetPrivateProfileInt. A missing key, an empty value, or a value that does not start with a
    // number gives fallback.
    int32_t GetInt(std::wstring_view section, std::wstring_view key, int32_t fallback) const;

    static std::wstring ReadString(const std::wstring& path, std::wstring_view section,
                                   std::wstring_view key, std::wstring_view fallback,
                                   size_t maxChars);
    static int32_t ReadInt(const std::wstring& path, std::wstring_view section,
                           std::wstring_view key, int32_t fallback);

  private:
    using Name = std::pair<std::wstring, std::wstring>;  // lower-cased section and key

    const std::wstring* Find(std::wstring_view section, std::wstring_view key) const;
    void ParseLine(std::wstring_view line, std::wstring& section);

    std::map<Name, std::wstring, std::less<>> m_values;
};

}  // namespace mdvr
