#pragma once
// A printf-like formatter for format texts that come from language and host files. It never
// hands such a text to the C library: %s means different things to swprintf on Linux and
// Windows, and a stray %n or %p must not read the stack.
//
// Conversions: %d and %i (signed), %u (unsigned 32-bit), %s (text; a number prints in decimal),
// %% (a percent sign), each with an optional '-' or '0' flag and a width up to 64. A conversion
// without an argument left, or with an unknown letter, is copied as it stands; extra arguments
// are ignored.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace mdvr {

using FormatArg = std::variant<int64_t, std::wstring_view>;

std::wstring FormatWide(std::wstring_view format, std::span<const FormatArg> args);

}  // namespace mdvr
