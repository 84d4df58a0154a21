#pragma once
// The one place where ANSI (wire and profile-file) bytes and UI text convert.
// Windows: the system code page. Linux: GBK (code page 936, the JT/T 808 wire charset) through
// iconv. A host chooses another with SetAnsiCharset or the environment variable
// MDVR_ANSI_CHARSET (read once, at the first conversion).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mdvr {

// name: an iconv charset name ("GBK", "UTF-8", "CP1252") or a Windows code page number ("936").
// Returns false (and keeps the current charset) when the platform does not know it.
bool SetAnsiCharset(std::string_view name);

std::wstring AnsiToWide(std::string_view bytes);
// Text in the calling thread's code page, as hosts pass file paths (Windows: CP_THREAD_ACP;
// Linux: the thread's locale, read as UTF-8 under the plain C locale).
std::wstring ThreadAnsiToWide(std::string_view bytes);
std::string WideToAnsi(std::wstring_view text);
// Converts into a caller's buffer without touching the heap; returns the bytes written.
// Output that does not fit is cut at a character boundary.
size_t WideToAnsi(std::wstring_view text, std::span<uint8_t> out);

std::wstring Utf8ToWide(std::string_view bytes);
// Little-endian UTF-16 bytes (no BOM); a trailing odd byte is ignored, lone surrogates give U+FFFD.
std::wstring Utf16LeToWide(std::string_view bytes);
// True when bytes hold well-formed UTF-8 (no overlongs, surrogates or truncated sequences).
bool IsValidUtf8(std::string_view bytes);
std::string WideToUtf8(std::wstring_view text);

}  // namespace mdvr
