#pragma once
// A text value as it travels: ANSI code-page bytes, no terminator. The length byte holds the
// byte length modulo 256, and only that many leading bytes are sent: a 300-byte text travels as
// its first 44 bytes. Terminals and hosts rely on this exact wrap, so it is kept.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace mdvr {

struct ParamText {
    std::array<uint8_t, 255> bytes{};
    uint8_t length = 0;

    std::span<const uint8_t> Value() const { return {bytes.data(), length}; }
};

// Converts without touching the heap, whatever the text's length.
ParamText EncodeParamText(std::wstring_view text);

}  // namespace mdvr
