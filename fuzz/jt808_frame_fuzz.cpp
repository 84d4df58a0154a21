// The JT/T 808 receive path on arbitrary bytes: stream splitting, frame decoding, reassembly.
// A decoded message must survive encoding and decoding again unchanged.
#include <cstdint>
#include <cstdlib>

#include "tools/jt808/Frame.h"
#include "tools/jt808/Packets.h"

using namespace mdvr::jt808;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FrameSplitter splitter;
    Reassembler reassembler(std::chrono::seconds(1));
    std::vector<FrameSplitter::Piece> pieces;
    splitter.Feed(std::span(data, size), pieces);
    for (FrameSplitter::Piece& piece : pieces) {
        Decoded decoded = DecodeFrame(piece.content);
        if (!decoded.message) continue;
        const Bytes again = EncodeFrame(*decoded.message);
        const Decoded twice = DecodeFrame(std::span(again).subspan(1, again.size() - 2));
        if (!twice.message || !(*twice.message == *decoded.message)) std::abort();
        reassembler.Add(std::move(*decoded.message), Reassembler::Clock::time_point{});
    }
    return 0;
}
