#pragma once
// Parameter values as the terminal file writes them and as they travel: u8/u16/u32 big-endian,
// text (UTF-8 in the file, ANSI-charset bytes on the wire) and raw hex bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mdvr::refhost {

enum class ParamType : uint8_t { U8, U16, U32, Text, Hex };

using Bytes = std::vector<uint8_t>;

inline constexpr char kWireCharset[] = "GBK";  // what terminals and Chinese hosts use

std::string_view TypeName(ParamType type);
std::optional<ParamType> ParseTypeName(std::string_view name);

// The wire bytes of a value written in the file; nullopt when the text does not fit the type
// (out of range, not a number, odd hex, more than 255 bytes).
std::optional<Bytes> ParseValue(ParamType type, std::string_view text);
// The file text of wire bytes; nullopt when the bytes do not fit the type (wrong width).
std::optional<std::string> FormatValue(ParamType type, std::span<const uint8_t> bytes);
// The type a new ID gets from its first value: its width for 1, 2 and 4 bytes, text for
// printable bytes, else hex.
ParamType GuessType(std::span<const uint8_t> bytes);

// True when the bytes read as ANSI text and write back to the same bytes.
bool RoundTripsAsText(std::span<const uint8_t> bytes);

std::string HexBytes(std::span<const uint8_t> bytes);  // "01 02 03"

}  // namespace mdvr::refhost
