#include "protocol/ParamText.h"

#include <algorithm>

#include "text/CodePage.h"

namespace mdvr {

namespace {

// Converted piecewise so that any length fits a stack buffer; 4 bytes per UTF-16/32 unit cover
// every ANSI charset in use (GB18030 included).
constexpr size_t kChunkUnits = 256;
constexpr size_t kChunkBytes = kChunkUnits * 4;

bool IsHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// Never splits a surrogate pair, so each piece converts on its own.
size_t ChunkEnd(std::wstring_view text, size_t start) {
    size_t end = std::min(text.size(), start + kChunkUnits);
    if (end < text.size() && IsHighSurrogate(text[end - 1])) {
        --end;
    }
    return end;
}

void KeepPrefix(ParamText& out, size_t total, std::span<const uint8_t> piece) {
    if (total >= out.bytes.size()) {
        return;
    }
    const size_t room = out.bytes.size() - total;
    const size_t count = std::min(room, piece.size());
    std::copy_n(piece.begin(), count, out.bytes.begin() + static_cast<std::ptrdiff_t>(total));
}

}  // namespace

ParamText EncodeParamText(std::wstring_view text) {
    ParamText out;
    std::array<uint8_t, kChunkBytes> scratch;
    size_t total = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = ChunkEnd(text, start);
        const size_t written = WideToAnsi(text.substr(start, end - start), scratch);
        KeepPrefix(out, total, std::span<const uint8_t>(scratch.data(), written));
        total += written;
        start = end;
    }
    out.length = static_cast<uint8_t>(total % 256);
    return out;
}

}  // namespace mdvr
