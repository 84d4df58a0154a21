#pragma once
// JT/T 808 frames: 0x7E, header, body, XOR check code, 0x7E, with 0x7E and 0x7D escaped inside.
// Two header layouts: 2013 (12 bytes, BCD[6] phone) and 2019 (version byte, BCD[10] phone);
// both grow by 4 bytes (packet total, packet index) when the message is split.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace mdvr::jt808 {

using Bytes = std::vector<uint8_t>;

inline constexpr uint8_t kFlag = 0x7E;
inline constexpr uint8_t kEscape = 0x7D;
inline constexpr size_t kMaxBody = 0x03FF;  // ten length bits
inline constexpr size_t kMaxHeader = 21;    // 2019 header with packet fields
// The longest frame content between two flags, escaped: every byte may double.
inline constexpr size_t kMaxEscapedFrame = 2 * (kMaxHeader + kMaxBody + 1);

enum class Version : uint8_t { V2013, V2019 };

struct Header {
    uint16_t msgId = 0;
    Version version = Version::V2013;
    uint8_t protocolVersion = 1;  // the 2019 header's version byte
    std::string phone;            // decimal digits as sent, leading zeros included
    uint16_t serial = 0;
    uint8_t encryption = 0;  // the three encryption bits
    uint16_t packetTotal = 0;  // 0: not split
    uint16_t packetIndex = 0;  // 1-based when split

    bool operator==(const Header&) const = default;
};

struct Message {
    Header header;
    Bytes body;

    bool operator==(const Message&) const = default;
};

enum class FrameError : uint8_t {
    None,
    BadEscape,     // 0x7D followed by anything but 0x01 or 0x02, or at the end
    BadCheckCode,  // header readable, check code wrong
    Truncated,     // shorter than the header its properties announce
    BadLength,     // body length in the properties differs from the bytes present
    BadPhone,      // a phone nibble that is not a decimal digit
    TooLong,       // more bytes than any frame may hold
    BadPacket,     // a packet total or index that cannot be true
    Incomplete,    // a message's sub-packets did not all arrive in time
};

const char* Describe(FrameError error);

struct Decoded {
    std::optional<Message> message;  // set unless error is not None
    FrameError error = FrameError::None;
    std::optional<Header> header;  // the readable header of a frame with a bad check code
};

uint8_t CheckCode(std::span<const uint8_t> bytes);
Bytes Escape(std::span<const uint8_t> raw);
std::optional<Bytes> Unescape(std::span<const uint8_t> escaped);

// The whole frame with both flags. Throws std::length_error for a body over kMaxBody or a
// phone with more digits than its header version holds.
Bytes EncodeFrame(const Message& message);
// content: the escaped bytes between two flags.
Decoded DecodeFrame(std::span<const uint8_t> content);

// Cuts a byte stream into frame contents. Its buffer never grows past kMaxEscapedFrame: a
// longer run without a flag is reported once and skipped up to the next flag.
class FrameSplitter {
  public:
    struct Piece {
        Bytes content;
        bool tooLong = false;
    };

    // Appends the complete pieces found in data to out.
    void Feed(std::span<const uint8_t> data, std::vector<Piece>& out);
    size_t Buffered() const { return m_content.size(); }

  private:
    Bytes m_content;
    bool m_inFrame = false;
    bool m_overflow = false;
};

}  // namespace mdvr::jt808
