// Golden frames and bodies written by hand from the protocol's rules (flags, escaping, XOR check
// code, both header layouts), and sub-packets: splitting, reassembly and every way a set fails.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/jt808/Frame.h"
#include "tools/jt808/Messages.h"
#include "tools/jt808/Packets.h"

namespace mdvr::jt808 {
namespace {

using namespace std::chrono_literals;
using Clock = Reassembler::Clock;

Header Make(uint16_t msgId, Version version, std::string phone, uint16_t serial, uint16_t total = 0,
            uint16_t index = 0) {
    return {.msgId = msgId,
            .version = version,
            .phone = std::move(phone),
            .serial = serial,
            .packetTotal = total,
            .packetIndex = index};
}

Bytes Content(const Bytes& frame) {  // without the two flags
    return Bytes(frame.begin() + 1, frame.end() - 1);
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(std::string_view text, size_t width) {
    Bytes b(text.begin(), text.end());
    b.resize(width, 0);
    return b;
}

struct Golden {
    const char* name;
    Message message;
    Bytes frame;
};

const Golden kGolden[] = {
    {"heartbeat 2013, phone padded with leading zeros",
     {Make(0x0002, Version::V2013, "13912345678", 1), {}},
     {0x7E, 0x00, 0x02, 0x00, 0x00, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78, 0x00, 0x01, 0x33, 0x7E}},
    {"response 2013 with an escaped 0x7E in the body",
     {Make(0x0001, Version::V2013, "013912345678", 5), {0x00, 0x7E, 0x81, 0x03, 0x00}},
     {0x7E, 0x00, 0x01, 0x00, 0x05, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78,
      0x00, 0x05, 0x00, 0x7D, 0x02, 0x81, 0x03, 0x00, 0xCD, 0x7E}},
    {"heartbeat 2019 with an escaped 0x7D in the serial",
     {Make(0x0002, Version::V2019, "00000000013912345678", 0x007D), {}},
     {0x7E, 0x00, 0x02, 0x40, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x01,
      0x39, 0x12, 0x34, 0x56, 0x78, 0x00, 0x7D, 0x01, 0x0E, 0x7E}},
    {"packet 2 of 3, 2013",
     {Make(0x0104, Version::V2013, "013912345678", 9, 3, 2), {0x41, 0x42}},
     {0x7E, 0x01, 0x04, 0x20, 0x02, 0x01, 0x39, 0x12, 0x34, 0x56, 0x78,
      0x00, 0x09, 0x00, 0x03, 0x00, 0x02, 0x41, 0x42, 0x1C, 0x7E}},
};

TEST(Jt808Frame, GoldenFramesEncodeAndDecode) {
    for (const Golden& g : kGolden) {
        SCOPED_TRACE(g.name);
        EXPECT_EQ(EncodeFrame(g.message), g.frame);
        Decoded decoded = DecodeFrame(Content(g.frame));
        ASSERT_EQ(decoded.error, FrameError::None);
        Message expected = g.message;
        expected.header.phone.insert(0, 12 - std::min<size_t>(12, expected.header.phone.size()),
                                     '0');
        EXPECT_EQ(*decoded.message, expected);
    }
    EXPECT_THROW(EncodeFrame({Make(0x0002, Version::V2013, "1234567890123", 1), {}}),
                 std::length_error);
    EXPECT_THROW(EncodeFrame({Make(0x8103, Version::V2013, "1", 1), Bytes(kMaxBody + 1)}),
                 std::length_error);
}

TEST(Jt808Frame, BadFramesAreNamed) {
    const Bytes good = Content(kGolden[0].frame);
    auto with = [&](size_t pos, uint8_t value, uint8_t check = 0) {
        Bytes b = good;
        b[pos] = value;
        b.back() ^= check;  // keeps the check code right when given
        return b;
    };
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
        {"body length lies", with(3, 0x02, 0x02), FrameError::BadLength},
        {"phone not BCD", with(4, 0x0A, 0x01 ^ 0x0A), FrameError::BadPhone},
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
    // A bad check code keeps the header, for the response.
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

TEST(Jt808Frame, SplitterFindsFramesAcrossReadsSkipsNoiseAndStaysBounded) {
    FrameSplitter splitter;
    const Bytes& a = kGolden[0].frame;
    const Bytes& b = kGolden[2].frame;
    Bytes stream = Cat({{0x11, 0x22}, a, Bytes(b.begin(), b.begin() + 5)});  // noise first
    EXPECT_EQ(SplitAll(splitter, stream), std::vector<Bytes>{Content(a)});
    EXPECT_EQ(SplitAll(splitter, Bytes(b.begin() + 5, b.end())), std::vector<Bytes>{Content(b)});
    EXPECT_EQ(splitter.Buffered(), 0u);

    Bytes flood{kFlag};  // a flood without flags is reported once
    flood.resize(10 * kMaxEscapedFrame, 0x55);
    EXPECT_EQ(SplitAll(splitter, flood), (std::vector<Bytes>{Bytes{0xFF, 0xFF}}));
    EXPECT_EQ(splitter.Buffered(), 0u);
    EXPECT_EQ(SplitAll(splitter, a), std::vector<Bytes>{Content(a)});
}

TEST(Jt808Messages, RegistrationAndAuthenticationPerVersion) {
    const Registration reg{0x002C, 0x0133, "MDVR", "X1", "T000001", 1, "A1"};
    const Bytes head{0x00, 0x2C, 0x01, 0x33};
    const Bytes tail{0x01, 'A', '1'};
    const Authentication auth{"AC1", "860000000000001", "1.0"};
    const struct {
        Version version;
        Bytes registration;
        Bytes authentication;
    } cases[] = {
        {Version::V2013,
         Cat({head, Text("MDVR", 5), Text("X1", 20), Text("T000001", 7), tail}),
         {'A', 'C', '1'}},
        {Version::V2019, Cat({head, Text("MDVR", 11), Text("X1", 30), Text("T000001", 30), tail}),
         Cat({{0x03, 'A', 'C', '1'}, Text("860000000000001", 15), Text("1.0", 20)})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Encode(reg, c.version), c.registration);
        EXPECT_EQ(DecodeRegistration(c.registration, c.version), reg);
        EXPECT_FALSE(DecodeRegistration(Bytes(c.registration.begin(), c.registration.begin() + 20),
                                        c.version));
        EXPECT_EQ(Encode(auth, c.version), c.authentication);
        EXPECT_EQ(DecodeAuthentication(c.authentication, c.version)->code, "AC1");
    }
    EXPECT_EQ(DecodeAuthentication(cases[1].authentication, Version::V2019), auth);
    // A code length that runs past the body.
    EXPECT_FALSE(DecodeAuthentication(Bytes{0x40, 'A'}, Version::V2019));
}

TEST(Jt808Messages, ResponsesAndReplies) {
    const GeneralResponse response{0x1234, 0x8103, Result::Failed};
    EXPECT_EQ(Encode(response), (Bytes{0x12, 0x34, 0x81, 0x03, 0x01}));
    EXPECT_EQ(DecodeGeneralResponse(Encode(response)), response);
    EXPECT_FALSE(DecodeGeneralResponse(Bytes{0x12, 0x34, 0x81, 0x03}));
    const RegisterReply ok{0x0003, RegisterResult::Ok, "AC1"};
    EXPECT_EQ(Encode(ok), (Bytes{0x00, 0x03, 0x00, 'A', 'C', '1'}));
    EXPECT_EQ(DecodeRegisterReply(Encode(ok)), ok);
    const RegisterReply refused{0x0003, RegisterResult::NoSuchTerminal, ""};
    EXPECT_EQ(Encode(refused), (Bytes{0x00, 0x03, 0x04}));  // no code after a refusal
    EXPECT_EQ(DecodeRegisterReply(Encode(refused)), refused);
    const QueryReply reply{0x0007, {0x01, 0x00, 0x00, 0x00, 0x55, 0x01, 0x3C}};
    EXPECT_EQ(Encode(reply), (Bytes{0x00, 0x07, 0x01, 0x00, 0x00, 0x00, 0x55, 0x01, 0x3C}));
    EXPECT_EQ(DecodeQueryReply(Encode(reply)), reply);
    EXPECT_FALSE(DecodeQueryReply(Bytes{0x00}));
}

Message Whole(size_t size, uint16_t serial = 100) {
    Message m{Make(0x0104, Version::V2013, "013912345678", serial), {}};
    for (size_t i = 0; i < size; ++i) m.body.push_back(static_cast<uint8_t>(i * 7));
    return m;
}

TEST(Jt808Packets, SplitNumbersThePacketsWhichReassembleInAnyOrder) {
    EXPECT_EQ(Split(Whole(kMaxBody)), std::vector<Message>{Whole(kMaxBody)});
    const std::vector<Message> packets = Split(Whole(2500, 0xFFFF));  // serials wrap
    ASSERT_EQ(packets.size(), 3u);
    for (size_t i = 0; i < packets.size(); ++i) {
        EXPECT_EQ(packets[i].header.serial, static_cast<uint16_t>(0xFFFF + i));
        EXPECT_EQ(packets[i].header.packetTotal, 3);
        EXPECT_EQ(packets[i].header.packetIndex, i + 1);
    }
    EXPECT_EQ(packets[2].body.size(), 2500 - 2 * kMaxBody);
    const std::vector<size_t> orders[] = {{0, 1, 2}, {2, 0, 1}, {1, 2, 1, 0}};  // with a repeat
    for (const auto& order : orders) {
        Reassembler reassembler(1s);
        std::optional<Message> whole;
        for (size_t i : order) {
            EXPECT_FALSE(whole);
            whole = reassembler.Add(packets[i], Clock::now()).whole;
        }
        ASSERT_TRUE(whole);
        EXPECT_EQ(*whole, Whole(2500, 0xFFFF));
        EXPECT_EQ(reassembler.Pending(), 0u);
    }
}

TEST(Jt808Packets, AMissingPacketEndsInATimeOutAndPendingSetsAreBounded) {
    Reassembler reassembler(1s);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(reassembler.Add(Split(Whole(2500))[0], start).outcome, Reassembler::Outcome::Pending);
    EXPECT_EQ(reassembler.NextDeadline(), start + 1s);
    EXPECT_EQ(reassembler.Expire(start + 500ms), 0u);
    EXPECT_EQ(reassembler.Expire(start + 1s), 1u);
    EXPECT_EQ(reassembler.Pending(), 0u);
    EXPECT_FALSE(reassembler.NextDeadline());

    for (uint16_t i = 0; i < 3 * Reassembler::kMaxPending; ++i) {
        reassembler.Add(Split(Whole(2500, static_cast<uint16_t>(i * 10)))[0], start);
    }
    EXPECT_EQ(reassembler.Pending(), Reassembler::kMaxPending);
}

TEST(Jt808Packets, PacketFieldsThatLieAreRejected) {
    auto packet = [](uint16_t total, uint16_t index) {
        return Message{Make(0x0104, Version::V2013, "013912345678",
                            static_cast<uint16_t>(99 + index), total, index),
                       Bytes(10)};
    };
    const struct {
        const char* name;
        std::vector<Message> packets;
    } cases[] = {
        {"index 0", {packet(3, 0)}},
        {"index past the total", {packet(3, 4)}},
        {"total past the bound", {packet(Reassembler::kMaxPackets + 1, 1)}},
        {"total changes within a set", {packet(3, 1), packet(4, 2)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reassembler reassembler(1s);
        Reassembler::Added last;
        for (const Message& m : c.packets) last = reassembler.Add(m, Clock::now());
        EXPECT_EQ(last.outcome, Reassembler::Outcome::Rejected);
        EXPECT_EQ(reassembler.Pending(), 0u);
    }
}

}  // namespace
}  // namespace mdvr::jt808
