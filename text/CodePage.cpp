#include "text/CodePage.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cwchar>
#include <mutex>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <langinfo.h>
#endif

namespace mdvr {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t cp) {
    return cp >= 0xD800 && cp <= 0xDFFF;
}

// Appends one code point as UTF-16 (Windows) or UTF-32 (Linux) units.
void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(cp));
}

// Reads one code point from UTF-16 units (UTF-32 text holding a pair is repaired the same way);
// a lone surrogate gives U+FFFD.
template <typename Unit>
char32_t NextUtf16(std::basic_string_view<Unit> text, size_t& pos) {
    auto unit = static_cast<char32_t>(text[pos++]);
    if (unit >= 0xD800 && unit <= 0xDBFF && pos < text.size()) {
        auto low = static_cast<char32_t>(text[pos]);
        if (low >= 0xDC00 && low <= 0xDFFF) {
            ++pos;
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return (IsSurrogate(unit) || unit > kMaxCodePoint) ? kReplacement : unit;
}

char32_t NextCodePoint(std::wstring_view text, size_t& pos) {
    return NextUtf16(text, pos);
}

size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one UTF-8 sequence; a malformed one consumes one byte and gives U+FFFD.
char32_t NextUtf8(std::string_view bytes, size_t& pos) {
    auto lead = static_cast<unsigned char>(bytes[pos]);
    size_t length = Utf8SequenceLength(lead);
    if (length == 0 || pos + length > bytes.size()) {
        ++pos;
        return kReplacement;
    }
    constexpr std::array<unsigned char, 5> kLeadMask{0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = lead & kLeadMask[length];
    for (size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(bytes[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> kMinimum{0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > kMaxCodePoint || IsSurrogate(cp)) {
        ++pos;
        return kReplacement;
    }
    pos += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Charset names that hosts use, mapped to Windows code pages.
struct NamedCodePage {
    std::string_view name;
    unsigned codePage;
};
constexpr std::array<NamedCodePage, 8> kNamedCodePages{{{"GBK", 936},
                                                        {"GB2312", 936},
                                                        {"CP936", 936},
                                                        {"GB18030", 54936},
                                                        {"BIG5", 950},
                                                        {"UTF-8", 65001},
                                                        {"UTF8", 65001},
                                                        {"ASCII", 20127}}};

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// "936" or "CP936" -> 936; a known name -> its code page; else 0.
unsigned CodePageNumber(std::string_view name) {
    for (const auto& entry : kNamedCodePages) {
        if (EqualsAsciiNoCase(entry.name, name)) return entry.codePage;
    }
    if (name.size() > 2 && EqualsAsciiNoCase(name.substr(0, 2), "CP")) name.remove_prefix(2);
    unsigned number = 0;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    return (ec == std::errc() && end == name.data() + name.size()) ? number : 0;
}

#ifdef _WIN32

class Converter {
  public:
    bool Select(std::string_view name) {
        unsigned codePage = CodePageNumber(name);
        if (codePage == 0 || IsValidCodePage(codePage) == FALSE) return false;
        std::lock_guard lock(m_mutex);
        m_codePage = codePage;
        return true;
    }

    std::wstring ToWide(std::string_view bytes) {
        std::lock_guard lock(m_mutex);
        EnsureDefault();
        int size = static_cast<int>(bytes.size());
        int count = MultiByteToWideChar(m_codePage, 0, bytes.data(), size, nullptr, 0);
        std::wstring out(static_cast<size_t>(count > 0 ? count : 0), L'\0');
        if (count > 0) MultiByteToWideChar(m_codePage, 0, bytes.data(), size, out.data(), count);
        return out;
    }

    // One character at a time so that a cut falls on a character boundary.
    size_t FromWide(std::wstring_view text, std::span<uint8_t> out) {
        std::lock_guard lock(m_mutex);
        EnsureDefault();
        size_t written = 0;
        for (size_t pos = 0; pos < text.size();) {
            size_t start = pos;
            NextCodePoint(text, pos);
            std::array<char, 8> piece{};
            size_t length = EncodeOne(text.substr(start, pos - start), piece);
            if (written + length > out.size()) break;
            std::copy_n(piece.begin(), length, out.begin() + static_cast<ptrdiff_t>(written));
            written += length;
        }
        return written;
    }

  private:
    // A character missing from the code page becomes one '?', even when it is a surrogate pair.
    size_t EncodeOne(std::wstring_view character, std::array<char, 8>& piece) const {
        BOOL usedDefault = FALSE;
        // UTF-7 and UTF-8 refuse the used-default flag; they never need it.
        BOOL* reportDefault =
            (m_codePage == CP_UTF8 || m_codePage == CP_UTF7) ? nullptr : &usedDefault;
        int count = WideCharToMultiByte(m_codePage, 0, character.data(),
                                        static_cast<int>(character.size()), piece.data(),
                                        static_cast<int>(piece.size()), nullptr, reportDefault);
        if (usedDefault != FALSE || count <= 0) {
            piece[0] = '?';
            return 1;
        }
        return static_cast<size_t>(count);
    }

    void EnsureDefault() {
        if (m_codePage != 0) return;
        const char* env = std::getenv("MDVR_ANSI_CHARSET");
        unsigned chosen = env != nullptr ? CodePageNumber(env) : 0;
        m_codePage = (chosen != 0 && IsValidCodePage(chosen) != FALSE) ? chosen : CP_ACP;
    }

    std::mutex m_mutex;
    unsigned m_codePage = 0;
};

#else

// JT/T 808 texts are GBK on the wire, whatever locale the process runs under.
constexpr const char* kWireCharset = "GBK";
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
constexpr size_t kIconvError = static_cast<size_t>(-1);

std::string IconvName(std::string_view name) {
    unsigned codePage = CodePageNumber(name);
    if (codePage == 65001) return "UTF-8";
    if (codePage == 936) return "GBK";
    bool numeric = !name.empty() && name.find_first_not_of("0123456789") == std::string_view::npos;
    return numeric ? "CP" + std::string(name) : std::string(name);
}

// Both iconv descriptors stay open for the process, so converting needs no allocation.
class Converter {
  public:
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    Converter() = default;
    ~Converter() { Close(); }

    bool Select(std::string_view name) {
        std::lock_guard lock(m_mutex);
        return Open(IconvName(name));
    }

    std::wstring ToWide(std::string_view bytes) {
        std::lock_guard lock(m_mutex);
        EnsureOpen();
        std::wstring out;
        out.reserve(bytes.size());
        iconv(m_toWide, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());  // iconv's signature only; never written
        size_t inLeft = bytes.size();
        while (inLeft > 0) ConvertChunk(in, inLeft, out);
        return out;
    }

    size_t FromWide(std::wstring_view text, std::span<uint8_t> out) {
        std::lock_guard lock(m_mutex);
        EnsureOpen();
        iconv(m_fromWide, nullptr, nullptr, nullptr, nullptr);
        auto* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text.data()));
        size_t inLeft = text.size() * sizeof(wchar_t);
        auto* dst = reinterpret_cast<char*>(out.data());
        size_t dstLeft = out.size();
        while (inLeft > 0) {
            if (iconv(m_fromWide, &in, &inLeft, &dst, &dstLeft) != kIconvError) break;
            if (errno != EILSEQ || dstLeft == 0) break;  // E2BIG: cut here
            *dst++ = '?';                                // no such character in the charset
            --dstLeft;
            in += sizeof(wchar_t);
            inLeft -= sizeof(wchar_t);
        }
        iconv(m_fromWide, nullptr, nullptr, &dst, &dstLeft);
        return out.size() - dstLeft;
    }

  private:
    // Converts what it can of the input; a bad or truncated byte becomes U+FFFD.
    void ConvertChunk(char*& in, size_t& inLeft, std::wstring& out) {
        std::array<wchar_t, 256> buffer{};
        auto* dst = reinterpret_cast<char*>(buffer.data());
        size_t dstLeft = sizeof(buffer);
        size_t result = iconv(m_toWide, &in, &inLeft, &dst, &dstLeft);
        int error = errno;
        out.append(buffer.data(), (sizeof(buffer) - dstLeft) / sizeof(wchar_t));
        if (result != kIconvError || error == E2BIG) return;
        out.push_back(static_cast<wchar_t>(kReplacement));
        ++in;
        --inLeft;
        iconv(m_toWide, nullptr, nullptr, nullptr, nullptr);
    }

    bool Open(const std::string& charset) {
        iconv_t toWide = iconv_open("WCHAR_T", charset.c_str());
        if (toWide == kNoConverter) return false;
        iconv_t fromWide = iconv_open(charset.c_str(), "WCHAR_T");
        if (fromWide == kNoConverter) {
            iconv_close(toWide);
            return false;
        }
        Close();
        m_toWide = toWide;
        m_fromWide = fromWide;
        return true;
    }

    void EnsureOpen() {
        if (m_toWide != kNoConverter) return;
        const char* env = std::getenv("MDVR_ANSI_CHARSET");
        if (env != nullptr && Open(IconvName(env))) return;
        if (!Open(kWireCharset)) Open("ASCII");
    }

    void Close() {
        if (m_toWide != kNoConverter) iconv_close(m_toWide);
        if (m_fromWide != kNoConverter) iconv_close(m_fromWide);
        m_toWide = m_fromWide = kNoConverter;
    }

    std::mutex m_mutex;
    iconv_t m_toWide = kNoConverter;
    iconv_t m_fromWide = kNoConverter;
};

#endif

Converter& TheConverter() {
    static Converter converter;
    return converter;
}

}  // namespace

bool SetAnsiCharset(std::string_view name) {
    // iconv reads an empty name as "the locale's charset": not a choice a host makes.
    return !name.empty() && TheConverter().Select(name);
}

std::wstring AnsiToWide(std::string_view bytes) {
    if (bytes.empty()) return {};
    return TheConverter().ToWide(bytes);
}

#ifdef _WIN32
std::wstring ThreadAnsiToWide(std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    const int count = MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(count > 0 ? count : 0), L'\0');
    if (count > 0) MultiByteToWideChar(CP_THREAD_ACP, 0, bytes.data(), size, out.data(), count);
    return out;
}
#else
std::wstring ThreadAnsiToWide(std::string_view bytes) {
    const std::string_view charset = nl_langinfo(CODESET);
    if (charset == "ANSI_X3.4-1968" || charset == "UTF-8") return Utf8ToWide(bytes);
    std::wstring out;
    std::mbstate_t state{};
    for (size_t pos = 0; pos < bytes.size();) {
        wchar_t wide = 0;
        const size_t used = std::mbrtowc(&wide, bytes.data() + pos, bytes.size() - pos, &state);
        if (used == 0 || used > bytes.size() - pos) {  // a bad or cut sequence: skip one byte
            out.push_back(static_cast<wchar_t>(kReplacement));
            state = {};
            ++pos;
            continue;
        }
        out.push_back(wide);
        pos += used;
    }
    return out;
}
#endif

std::string WideToAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    // Four bytes per character covers every multi-byte charset in use (GB18030, UTF-8).
    std::string out(text.size() * 4 + 8, '\0');
    auto* data = reinterpret_cast<uint8_t*>(out.data());
    out.resize(WideToAnsi(text, std::span<uint8_t>(data, out.size())));
    return out;
}

size_t WideToAnsi(std::wstring_view text, std::span<uint8_t> out) {
    if (text.empty() || out.empty()) return 0;
    return TheConverter().FromWide(text, out);
}

std::wstring Utf8ToWide(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (size_t pos = 0; pos < bytes.size();) AppendCodePoint(out, NextUtf8(bytes, pos));
    return out;
}

std::wstring Utf16LeToWide(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        auto low = static_cast<unsigned char>(bytes[2 * i]);
        auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(low | (high << 8));
    }
    std::wstring out;
    out.reserve(units.size());
    std::u16string_view view(units);
    for (size_t pos = 0; pos < view.size();) AppendCodePoint(out, NextUtf16(view, pos));
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        size_t start = pos;
        // A malformed sequence is the only way to get U+FFFD from a single byte.
        if (NextUtf8(bytes, pos) == kReplacement && pos - start == 1) return false;
    }
    return true;
}

std::string WideToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) AppendUtf8(out, NextCodePoint(text, pos));
    return out;
}

}  // namespace mdvr
