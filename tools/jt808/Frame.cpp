#include "tools/jt808/Frame.h"

#include <stdexcept>

namespace mdvr::jt808 {
namespace {

constexpr uint16_t kLengthMask = 0x03FF;
constexpr int kEncryptionShift = 10;
constexpr uint16_t kSplitBit = 1u << 13;
constexpr uint16_t kVersionBit = 1u << 14;
constexpr size_t kPhoneBytes2013 = 6;
constexpr size_t kPhoneBytes2019 = 10;
constexpr size_t kPacketFields = 4;

size_t PhoneBytes(Version version) {
    return version == Version::V2019 ? kPhoneBytes2019 : kPhoneBytes2013;
}

size_t HeaderSize(Version version, bool split) {
    return 4 + (version == Version::V2019 ? 1 : 0) + PhoneBytes(version) + 2 +
           (split ? kPacketFields : 0);
}

void PutU16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

uint16_t GetU16(std::span<const uint8_t> raw, size_t pos) {
    return static_cast<uint16_t>(raw[pos] << 8 | raw[pos + 1]);
}

void PutPhone(Bytes& out, const std::string& phone, size_t bytes) {
    if (phone.size() > 2 * bytes) throw std::length_error("phone number too long: " + phone);
    const std::string digits = std::string(2 * bytes - phone.size(), '0') + phone;
    for (size_t i = 0; i < digits.size(); i += 2) {
        out.push_back(static_cast<uint8_t>((digits[i] - '0') << 4 | (digits[i + 1] - '0')));
    }
}

std::optional<std::string> GetPhone(std::span<const uint8_t> bcd) {
    std::string phone;
    for (uint8_t b : bcd) {
        for (int nibble : {b >> 4, b & 0x0F}) {
            if (nibble > 9) return {};
            phone.push_back(static_cast<char>('0' + nibble));
        }
    }
    return phone;
}

Decoded Failure(FrameError error) {
    return {std::nullopt, error, std::nullopt};
}

}  // namespace

const char* Describe(FrameError error) {
    switch (error) {
        case FrameError::None: return "no error";
        case FrameError::BadEscape: return "bad escape";
        case FrameError::BadCheckCode: return "bad check code";
        case FrameError::Truncated: return "truncated header";
        case FrameError::BadLength: return "body length does not match";
        case FrameError::BadPhone: return "phone number is not BCD";
        case FrameError::TooLong: return "frame too long";
        case FrameError::BadPacket: return "impossible packet total or index";
        case FrameError::Incomplete: return "sub-packets missing after the time-out";
    }
    return "unknown error";
}

uint8_t CheckCode(std::span<const uint8_t> bytes) {
    uint8_t code = 0;
    for (uint8_t b : bytes) code ^= b;
    return code;
}

Bytes Escape(std::span<const uint8_t> raw) {
    Bytes out;
    out.reserve(raw.size() + raw.size() / 8);
    for (uint8_t b : raw) {
        if (b == kFlag || b == kEscape) {
            out.push_back(kEscape);
            out.push_back(b == kFlag ? 0x02 : 0x01);
        } else {
            out.push_back(b);
        }
    }
    return out;
}

std::optional<Bytes> Unescape(std::span<const uint8_t> escaped) {
    Bytes out;
    out.reserve(escaped.size());
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != kEscape) {
            out.push_back(escaped[i]);
            continue;
        }
        if (++i == escaped.size() || (escaped[i] != 0x01 && escaped[i] != 0x02)) return {};
        out.push_back(escaped[i] == 0x02 ? kFlag : kEscape);
    }
    return out;
}

Bytes EncodeFrame(const Message& message) {
    const Header& h = message.header;
    if (message.body.size() > kMaxBody) throw std::length_error("message body over 1023 bytes");
    const bool split = h.packetTotal > 0;
    uint16_t props = static_cast<uint16_t>(message.body.size() |
                                           (h.encryption & 0x07u) << kEncryptionShift);
    if (split) props |= kSplitBit;
    if (h.version == Version::V2019) props |= kVersionBit;

    Bytes raw;
    raw.reserve(kMaxHeader + message.body.size() + 1);
    PutU16(raw, h.msgId);
    PutU16(raw, props);
    if (h.version == Version::V2019) raw.push_back(h.protocolVersion);
    PutPhone(raw, h.phone, PhoneBytes(h.version));
    PutU16(raw, h.serial);
    if (split) {
        PutU16(raw, h.packetTotal);
        PutU16(raw, h.packetIndex);
    }
    raw.insert(raw.end(), message.body.begin(), message.body.end());
    raw.push_back(CheckCode(raw));

    Bytes frame{kFlag};
    const Bytes escaped = Escape(raw);
    frame.insert(frame.end(), escaped.begin(), escaped.end());
    frame.push_back(kFlag);
    return frame;
}

Decoded DecodeFrame(std::span<const uint8_t> content) {
    if (content.size() > kMaxEscapedFrame) return Failure(FrameError::TooLong);
    std::optional<Bytes> raw = Unescape(content);
    if (!raw) return Failure(FrameError::BadEscape);
    if (raw->size() < 4) return Failure(FrameError::Truncated);

    const uint16_t props = GetU16(*raw, 2);
    Header h;
    h.msgId = GetU16(*raw, 0);
    h.version = props & kVersionBit ? Version::V2019 : Version::V2013;
    h.encryption = static_cast<uint8_t>(props >> kEncryptionShift & 0x07);
    const bool split = (props & kSplitBit) != 0;
    const size_t headerSize = HeaderSize(h.version, split);
    if (raw->size() < headerSize + 1) return Failure(FrameError::Truncated);

    size_t pos = 4;
    if (h.version == Version::V2019) h.protocolVersion = (*raw)[pos++];
    const size_t phoneBytes = PhoneBytes(h.version);
    std::optional<std::string> phone = GetPhone(std::span(*raw).subspan(pos, phoneBytes));
    if (!phone) return Failure(FrameError::BadPhone);
    h.phone = std::move(*phone);
    pos += phoneBytes;
    h.serial = GetU16(*raw, pos);
    pos += 2;
    if (split) {
        h.packetTotal = GetU16(*raw, pos);
        h.packetIndex = GetU16(*raw, pos + 2);
        if (h.packetIndex == 0 || h.packetIndex > h.packetTotal) {
            return Failure(FrameError::BadPacket);
        }
    }

    const std::span<const uint8_t> checked = std::span(*raw).first(raw->size() - 1);
    if (CheckCode(checked) != raw->back()) return {std::nullopt, FrameError::BadCheckCode, h};
    if ((props & kLengthMask) != checked.size() - headerSize) {
        return Failure(FrameError::BadLength);
    }
    Message message{std::move(h), Bytes(checked.begin() + static_cast<ptrdiff_t>(headerSize),
                                        checked.end())};
    return {std::move(message), FrameError::None, std::nullopt};
}

void FrameSplitter::Feed(std::span<const uint8_t> data, std::vector<Piece>& out) {
    for (uint8_t b : data) {
        if (b == kFlag) {
            if (m_inFrame && !m_content.empty()) out.push_back({std::move(m_content), false});
            m_content.clear();
            m_inFrame = true;
            m_overflow = false;
        } else if (m_inFrame && !m_overflow) {
            if (m_content.size() == kMaxEscapedFrame) {
                m_overflow = true;
                m_content.clear();
                m_content.shrink_to_fit();
                out.push_back({{}, true});
            } else {
                m_content.push_back(b);
            }
        }
    }
}

}  // namespace mdvr::jt808
