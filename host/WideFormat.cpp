#include "host/WideFormat.h"

#include <algorithm>

namespace mdvr {

namespace {

constexpr size_t kMaxWidth = 64;

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    size_t width = 0;
    wchar_t conversion = 0;
    size_t length = 0;  // characters of the whole conversion, '%' included
};

// Parses the conversion that starts at format[0] == '%'.
Conversion ParseConversion(std::wstring_view format) {
    Conversion conv;
    size_t i = 1;
    for (; i < format.size() && (format[i] == L'-' || format[i] == L'0'); ++i) {
        (format[i] == L'-' ? conv.leftAlign : conv.zeroPad) = true;
    }
    for (; i < format.size() && format[i] >= L'0' && format[i] <= L'9'; ++i) {
        conv.width = std::min(kMaxWidth, conv.width * 10 + static_cast<size_t>(format[i] - L'0'));
    }
    conv.conversion = i < format.size() ? format[i] : 0;
    conv.length = std::min(i + 1, format.size());
    return conv;
}

std::wstring Decimal(int64_t value, bool asUnsigned) {
    if (asUnsigned) value = static_cast<int64_t>(static_cast<uint32_t>(value));
    uint64_t magnitude =
        value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    return value < 0 ? L"-" + digits : digits;
}

std::wstring Convert(const Conversion& conv, const FormatArg& arg) {
    if (const auto* text = std::get_if<std::wstring_view>(&arg)) return std::wstring(*text);
    return Decimal(std::get<int64_t>(arg), conv.conversion == L'u');
}

void AppendPadded(std::wstring& out, const Conversion& conv, std::wstring body) {
    size_t fill = conv.width > body.size() ? conv.width - body.size() : 0;
    if (conv.leftAlign) {
        out += body;
        out.append(fill, L' ');
    } else if (conv.zeroPad && conv.conversion != L's') {
        size_t sign = !body.empty() && body[0] == L'-' ? 1 : 0;
        body.insert(sign, fill, L'0');
        out += body;
    } else {
        out.append(fill, L' ');
        out += body;
    }
}

bool IsConversion(wchar_t c) {
    return c == L'd' || c == L'i' || c == L'u' || c == L's';
}

}  // namespace

std::wstring FormatWide(std::wstring_view format, std::span<const FormatArg> args) {
    std::wstring out;
    size_t next = 0;
    for (size_t i = 0; i < format.size();) {
        if (format[i] != L'%') {
            out += format[i++];
            continue;
        }
        Conversion conv = ParseConversion(format.substr(i));
        if (conv.conversion == L'%' && conv.length == 2) {
            out += L'%';
        } else if (IsConversion(conv.conversion) && next < args.size()) {
            AppendPadded(out, conv, Convert(conv, args[next++]));
        } else {
            out += format.substr(i, conv.length);
        }
        i += conv.length;
    }
    return out;
}

}  // namespace mdvr
