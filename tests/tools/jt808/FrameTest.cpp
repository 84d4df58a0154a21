// Golden frames written by hand from the protocol's rules: flags, escaping, XOR check code and
// both header layouts.
#include <gtest/gtest.h>

#include "tools/jt808/Frame.h"

namespace mdvr::jt808 {
namespace {

Header Make(uint16_t msgId, Version version, std::string phone, uint16_t serial) {
    Header h;
    h.msgId = msgId;
    h.version = version;
    h.phone = std::move(phone);
    h.serial = serial;
    return h;
}

Bytes Content(const Bytes& frame) {  // without the two flags
    return Bytes(frame.begin() + 1, frame.end() - 1);
}

struct Golden {
    const char* name;
    Message message;
    Bytes frame;
};

const Golden kGolden[] = {
    {"heartbeat 2013",
     {Make(0x0002, Version::V2013, "013912345678", 1), {}},
     {0x7E, 0x00, 0x02, 0x00, 0x00, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78, 0x00, 0x01, 0x33, 0x7E}},
    {"response 2013 with an escaped 0x7E in the body",
     {Make(0x0001, Version::V2013, "013912345678", 5), {0x00, 0x7E, 0x81, 0x03, 0x00}},
     {0x7E, 0x00, 0x01, 0x00, 0x05, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78, 0x00, 0x05,
      0x00, 0x7D, 0x02, 0x81, 0x03, 0x00, 0xCD, 0x7E}},
    {"heartbeat 2019 with an escaped 0x7D in the serial",
     {Make(0x0002, Version::V2019, "00000000013912345678", 0x007D), {}},
     {0x7E, 0x00, 0x02, 0x40, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01, 0x39, 0x12,
      0x34, 0x56, 0x78, 0x00, 0x7D, 0x01, 0x0E, 0x7E}},
    {"packet 2 of 3, 2013",
     {[] {
          Header h = Make(0x0104, Version::V2013, "013912345678", 9);
          h.packetTotal = 3;
          h.packetIndex = 2;
          return h;
      }(),
      {0x41, 0x42}},
     {0x7E, 0x01, 0x04, 0x20, 0x02, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78, 0x00, 0x09,
      0x00, 0x03, 0x00, 0x02, 0x41, 0x42, 0x1C, 0x7E}},
};

TEST(Jt808Frame, GoldenFramesEncodeAndDecode) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.name);
        EXPECT_EQ(EncodeFrame(g.message), g.frame);
        Decoded decoded = DecodeFrame(Content(g.frame));
        ASSERT_EQ(decoded.error, FrameError::None);
        EXPECT_EQ(*decoded.message, g.message);
    }
}

TEST(Jt808Frame, ShortPhonesArePaddedWithLeadingZeros) {
    const Bytes frame = EncodeFrame({Make(0x0002, Version::V2013, "13912345678", 1), {}});
    EXPECT_EQ(frame, kGolden[0].frame);
}

TEST(Jt808Frame, EncodingRefusesWhatTheHeaderCannotHold) {
    EXPECT_THROW(EncodeFrame({Make(0x0002, Version::V2013, "1234567890123", 1), {}}),
                 std::length_error);
    EXPECT_THROW(EncodeFrame({Make(0x8103, Version::V2013, "1", 1), Bytes(kMaxBody + 1)}),
                 std::length_error);
}

TEST(Jt808Frame, BadFramesAreNamed) {
    const Bytes good = Content(kGolden[0].frame);
    auto with = [&](size_t pos, uint8_t value) {
        Bytes b = good;
        b[pos] = value;
        return b;
    };
    Bytes lyingLength = good;
    lyingLength[3] = 0x02;            // says two body bytes, none follow
    lyingLength.back() ^= 0x02;       // keep the check code right
    Bytes badPhone = with(4, 0x0A);   // a nibble above 9
    badPhone.back() ^= 0x01 ^ 0x0A;
    auto packetIndex = [](uint8_t index) {  // packet 2 of 3 renumbered
        Bytes b = Content(kGolden[3].frame);
        b[15] = index;
        b.back() ^= static_cast<uint8_t>(0x02 ^ index);
        return b;
    };
    const struct {
        const char* name;
        Bytes content;
        FrameError error;
    } cases[] = {
        {"escape of an unknown byte", {0x00, 0x02, 0x7D, 0x03}, FrameError::BadEscape},
        {"escape at the end", {0x00, 0x02, 0x7D}, FrameError::BadEscape},
        {"check code", with(good.size() - 1, 0x34), FrameError::BadCheckCode},
        {"no properties", {0x00, 0x02, 0x00}, FrameError::Truncated},
        {"header cut short", Bytes(good.begin(), good.begin() + 8), FrameError::Truncated},
        {"2019 bit on a 2013 header", with(2, 0x40), FrameError::Truncated},
        {"body length lies", lyingLength, FrameError::BadLength},
        {"phone not BCD", badPhone, FrameError::BadPhone},
        {"packet index 0", packetIndex(0), FrameError::BadPacket},
        {"packet index past the total", packetIndex(4), FrameError::BadPacket},
        {"too long", Bytes(kMaxEscapedFrame + 1, 0x01), FrameError::TooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded decoded = DecodeFrame(c.content);
        EXPECT_EQ(decoded.error, c.error);
        EXPECT_FALSE(decoded.message);
    }
}

TEST(Jt808Frame, ABadCheckCodeKeepsTheHeaderForTheResponse) {
    Bytes content = Content(kGolden[1].frame);
    content.back() ^= 0xFF;
    const Decoded decoded = DecodeFrame(content);
    ASSERT_TRUE(decoded.header);
    EXPECT_EQ(decoded.header->msgId, 0x0001);
    EXPECT_EQ(decoded.header->serial, 5);
}

TEST(Jt808Frame, EscapingRoundTripsEveryByte) {
    Bytes all(256);
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i);
    const Bytes escaped = Escape(all);
    EXPECT_EQ(escaped.size(), 258u);
    EXPECT_EQ(std::count(escaped.begin(), escaped.end(), kFlag), 0);
    EXPECT_EQ(Unescape(escaped), all);
}

std::vector<Bytes> SplitAll(FrameSplitter& splitter, const Bytes& stream) {
    std::vector<FrameSplitter::Piece> pieces;
    splitter.Feed(stream, pieces);
    std::vector<Bytes> contents;
    for (auto& p : pieces) contents.push_back(p.tooLong ? Bytes{0xFF, 0xFF} : p.content);
    return contents;
}

TEST(Jt808Frame, SplitterFindsFramesAcrossReadsAndSkipsNoise) {
    FrameSplitter splitter;
    const Bytes& a = kGolden[0].frame;
    const Bytes& b = kGolden[2].frame;
    Bytes stream{0x11, 0x22};  // noise before the first flag
    stream.insert(stream.end(), a.begin(), a.end());
    stream.insert(stream.end(), b.begin(), b.begin() + 5);
    EXPECT_EQ(SplitAll(splitter, stream), std::vector<Bytes>{Content(a)});
    EXPECT_EQ(SplitAll(splitter, Bytes(b.begin() + 5, b.end())), std::vector<Bytes>{Content(b)});
    EXPECT_EQ(splitter.Buffered(), 0u);
}

TEST(Jt808Frame, SplitterBufferStaysBoundedUnderAFloodWithoutFlags) {
    FrameSplitter splitter;
    Bytes flood{kFlag};
    flood.resize(10 * kMaxEscapedFrame, 0x55);
    const std::vector<Bytes> pieces = SplitAll(splitter, flood);
    EXPECT_EQ(pieces, (std::vector<Bytes>{Bytes{0xFF, 0xFF}}));  // reported once
    EXPECT_EQ(splitter.Buffered(), 0u);
    EXPECT_EQ(SplitAll(splitter, kGolden[0].frame), std::vector<Bytes>{Content(kGolden[0].frame)});
}

}  // namespace
}  // namespace mdvr::jt808
