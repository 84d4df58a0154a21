#include "tools/jt808/Messages.h"

#include <algorithm>
#include <stdexcept>

namespace mdvr::jt808 {
namespace {

struct FieldWidths {
    size_t manufacturer, model, terminalId;
};

FieldWidths WidthsOf(Version version) {
    return version == Version::V2019 ? FieldWidths{11, 30, 30} : FieldWidths{5, 20, 7};
}

constexpr size_t kImeiWidth = 15;
constexpr size_t kSoftwareWidth = 20;

void PutU16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void PutFixed(Bytes& out, const std::string& text, size_t width) {
    if (text.size() > width) throw std::length_error("field too long: " + text);
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), width - text.size(), 0);
}

void PutRest(Bytes& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

// Reads fields front to back; any read past the end fails the whole body.
class BodyReader {
  public:
    explicit BodyReader(std::span<const uint8_t> body) : m_body(body) {}

    bool Ok() const { return m_ok; }
    uint8_t U8() { return Take(1).empty() ? 0 : m_body[m_pos - 1]; }
    uint16_t U16() {
        std::span<const uint8_t> b = Take(2);
        return b.empty() ? 0 : static_cast<uint16_t>(b[0] << 8 | b[1]);
    }
    // A fixed-width text field without its padding.
    std::string Fixed(size_t width) {
        std::span<const uint8_t> b = Take(width);
        auto end = std::find(b.begin(), b.end(), 0);
        return std::string(b.begin(), end);
    }
    std::string Rest() {
        std::span<const uint8_t> b = Take(m_body.size() - m_pos);
        return std::string(b.begin(), b.end());
    }
    Bytes RestBytes() {
        std::span<const uint8_t> b = Take(m_body.size() - m_pos);
        return Bytes(b.begin(), b.end());
    }

  private:
    std::span<const uint8_t> Take(size_t n) {
        if (!m_ok || m_body.size() - m_pos < n) {
            m_ok = false;
            return {};
        }
        m_pos += n;
        return m_body.subspan(m_pos - n, n);
    }

    std::span<const uint8_t> m_body;
    size_t m_pos = 0;
    bool m_ok = true;
};

template <typename T>
std::optional<T> IfOk(const BodyReader& reader, T value) {
    return reader.Ok() ? std::optional<T>(std::move(value)) : std::nullopt;
}

}  // namespace

Bytes Encode(const GeneralResponse& body) {
    Bytes out;
    PutU16(out, body.serial);
    PutU16(out, body.msgId);
    out.push_back(static_cast<uint8_t>(body.result));
    return out;
}

Bytes Encode(const Registration& body, Version version) {
    const FieldWidths w = WidthsOf(version);
    Bytes out;
    PutU16(out, body.province);
    PutU16(out, body.city);
    PutFixed(out, body.manufacturer, w.manufacturer);
    PutFixed(out, body.model, w.model);
    PutFixed(out, body.terminalId, w.terminalId);
    out.push_back(body.plateColor);
    PutRest(out, body.plate);
    return out;
}

Bytes Encode(const RegisterReply& body) {
    Bytes out;
    PutU16(out, body.serial);
    out.push_back(static_cast<uint8_t>(body.result));
    if (body.result == RegisterResult::Ok) PutRest(out, body.authCode);
    return out;
}

Bytes Encode(const Authentication& body, Version version) {
    Bytes out;
    if (version == Version::V2013) {
        PutRest(out, body.code);
        return out;
    }
    if (body.code.size() > 0xFF) throw std::length_error("authentication code too long");
    out.push_back(static_cast<uint8_t>(body.code.size()));
    PutRest(out, body.code);
    PutFixed(out, body.imei, kImeiWidth);
    PutFixed(out, body.softwareVersion, kSoftwareWidth);
    return out;
}

Bytes Encode(const QueryReply& body) {
    Bytes out;
    PutU16(out, body.serial);
    out.insert(out.end(), body.list.begin(), body.list.end());
    return out;
}

std::optional<GeneralResponse> DecodeGeneralResponse(std::span<const uint8_t> body) {
    BodyReader r(body);
    GeneralResponse g;
    g.serial = r.U16();
    g.msgId = r.U16();
    g.result = static_cast<Result>(r.U8());
    return IfOk(r, g);
}

std::optional<Registration> DecodeRegistration(std::span<const uint8_t> body, Version version) {
    const FieldWidths w = WidthsOf(version);
    BodyReader r(body);
    Registration g;
    g.province = r.U16();
    g.city = r.U16();
    g.manufacturer = r.Fixed(w.manufacturer);
    g.model = r.Fixed(w.model);
    g.terminalId = r.Fixed(w.terminalId);
    g.plateColor = r.U8();
    g.plate = r.Rest();
    return IfOk(r, std::move(g));
}

std::optional<RegisterReply> DecodeRegisterReply(std::span<const uint8_t> body) {
    BodyReader r(body);
    RegisterReply g;
    g.serial = r.U16();
    g.result = static_cast<RegisterResult>(r.U8());
    if (g.result == RegisterResult::Ok) g.authCode = r.Rest();
    return IfOk(r, std::move(g));
}

std::optional<Authentication> DecodeAuthentication(std::span<const uint8_t> body,
                                                   Version version) {
    BodyReader r(body);
    Authentication g;
    if (version == Version::V2013) {
        g.code = r.Rest();
        return IfOk(r, std::move(g));
    }
    g.code = r.Fixed(r.U8());
    g.imei = r.Fixed(kImeiWidth);
    g.softwareVersion = r.Fixed(kSoftwareWidth);
    return IfOk(r, std::move(g));
}

std::optional<QueryReply> DecodeQueryReply(std::span<const uint8_t> body) {
    BodyReader r(body);
    QueryReply g;
    g.serial = r.U16();
    g.list = r.RestBytes();
    return IfOk(r, std::move(g));
}

}  // namespace mdvr::jt808
