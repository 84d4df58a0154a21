#include "tools/mdvr-host/ParamValue.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "protocol/ParamItem.h"
#include "text/CodePage.h"

namespace mdvr::refhost {
namespace {

struct TypeInfo {
    ParamType type;
    std::string_view name;
    size_t width;  // 0: any length
};

constexpr std::array<TypeInfo, 5> kTypes{{
    {ParamType::U8, "u8", 1},
    {ParamType::U16, "u16", 2},
    {ParamType::U32, "u32", 4},
    {ParamType::Text, "text", 0},
    {ParamType::Hex, "hex", 0},
}};

const TypeInfo& Info(ParamType type) {
    return kTypes[static_cast<size_t>(type)];
}

std::optional<uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

std::optional<Bytes> ParseInteger(size_t width, std::string_view text) {
    std::optional<uint64_t> value = ParseNumber(text);
    if (!value || *value >> (8 * width) != 0) return {};
    Bytes bytes(width);
    for (size_t i = 0; i < width; ++i) {
        bytes[width - 1 - i] = static_cast<uint8_t>(*value >> (8 * i));
    }
    return bytes;
}

std::optional<Bytes> ParseHex(std::string_view text) {
    Bytes bytes;
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c != ' ' && c != '\t'; });
    if (digits.size() % 2 != 0) return {};
    for (size_t i = 0; i < digits.size(); i += 2) {
        uint8_t byte = 0;
        auto [end, ec] = std::from_chars(digits.data() + i, digits.data() + i + 2, byte, 16);
        if (ec != std::errc() || end != digits.data() + i + 2) return {};
        bytes.push_back(byte);
    }
    return bytes;
}

std::optional<Bytes> ParseText(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) return {};
    std::string wire = WideToAnsi(Utf8ToWide(utf8));
    return Bytes(wire.begin(), wire.end());
}

}  // namespace

std::string_view TypeName(ParamType type) {
    return Info(type).name;
}

std::optional<ParamType> ParseTypeName(std::string_view name) {
    for (const TypeInfo& info : kTypes) {
        if (info.name == name) return info.type;
    }
    return {};
}

std::optional<Bytes> ParseValue(ParamType type, std::string_view text) {
    std::optional<Bytes> bytes;
    switch (type) {
        case ParamType::Text:
            bytes = ParseText(text);
            break;
        case ParamType::Hex:
            bytes = ParseHex(text);
            break;
        default:
            bytes = ParseInteger(Info(type).width, text);
            break;
    }
    if (bytes && bytes->size() > kMaxItemValue) return {};
    return bytes;
}

std::optional<std::string> FormatValue(ParamType type, std::span<const uint8_t> bytes) {
    const size_t width = Info(type).width;
    if (width != 0) {
        if (bytes.size() != width) return {};
        uint64_t value = 0;
        for (uint8_t b : bytes) value = value << 8 | b;
        return std::to_string(value);
    }
    if (type == ParamType::Hex) return HexBytes(bytes);
    return WideToUtf8(
        AnsiToWide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

ParamType GuessType(std::span<const uint8_t> bytes) {
    switch (bytes.size()) {
        case 1:
            return ParamType::U8;
        case 2:
            return ParamType::U16;
        case 4:
            return ParamType::U32;
        default:
            return RoundTripsAsText(bytes) ? ParamType::Text : ParamType::Hex;
    }
}

bool RoundTripsAsText(std::span<const uint8_t> bytes) {
    // Control characters and edge blanks would not survive a line of the file.
    if (bytes.empty() || bytes.front() == ' ' || bytes.back() == ' ' ||
        std::any_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b < 0x20 || b == 0x7F; })) {
        return false;
    }
    std::optional<Bytes> back = ParseText(*FormatValue(ParamType::Text, bytes));
    return back && std::equal(back->begin(), back->end(), bytes.begin(), bytes.end());
}

std::string HexBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t b : bytes) {
        if (!text.empty()) text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
    }
    return text;
}

}  // namespace mdvr::refhost
