// Frames that lie, sent over live loopback connections. A connection that sends one before it
// authenticated is closed and never configured; afterwards the frame is dropped with a log
// line and the session goes on. Other terminals never notice. The terminal side drops them too.
#include <gtest/gtest.h>

#include <algorithm>

#include "LinkFixture.h"

namespace mdvr::jt808 {
namespace {

// One end of a connection driven by hand: bytes go out as given, what arrives is decoded and
// kept.
class RawPeer {
  public:
    explicit RawPeer(asio::ip::tcp::socket socket) : m_socket(std::move(socket)) { Read(); }

    void Write(const Bytes& bytes) { asio::write(m_socket, asio::buffer(bytes)); }
    uint16_t Send(Header header, const Bytes& body) {
        header.serial = m_serial++;
        Write(EncodeFrame({header, body}));
        return header.serial;
    }
    const Message* Got(uint16_t msgId) const {
        for (const Message& m : m_received) {
            if (m.header.msgId == msgId) return &m;
        }
        return nullptr;
    }
    // Whether a general response (0x8001 or 0x0001) confirmed the message sent with serial.
    bool Confirmed(uint16_t serial) const {
        for (const Message& m : m_received) {
            const std::optional<GeneralResponse> r = DecodeGeneralResponse(m.body);
            if ((m.header.msgId == msg::kPlatformResponse ||
                 m.header.msgId == msg::kTerminalResponse) &&
                r && r->serial == serial && r->result == Result::Ok) {
                return true;
            }
        }
        return false;
    }
    bool Answered(uint16_t querySerial) const {
        return std::any_of(m_received.begin(), m_received.end(), [&](const Message& m) {
            const std::optional<QueryReply> reply = DecodeQueryReply(m.body);
            return m.header.msgId == msg::kQueryReply && reply && reply->serial == querySerial;
        });
    }
    bool Closed() const { return m_closed; }

  private:
    void Read() {
        m_socket.async_read_some(asio::buffer(m_buffer), [this](const asio::error_code& ec,
                                                                size_t n) {
            if (ec) {
                m_closed = true;
                return;
            }
            std::vector<FrameSplitter::Piece> pieces;
            m_splitter.Feed(std::span(m_buffer).first(n), pieces);
            for (const auto& piece : pieces) {
                if (Decoded d = DecodeFrame(piece.content); d.message) {
                    m_received.push_back(std::move(*d.message));
                }
            }
            Read();
        });
    }

    asio::ip::tcp::socket m_socket;
    std::array<uint8_t, 2048> m_buffer{};
    FrameSplitter m_splitter;
    std::vector<Message> m_received;
    uint16_t m_serial = 0;
    bool m_closed = false;
};

// message's frame with the body length in its properties (the low byte) changed by delta and
// the check code made right again.
Bytes Lying(const Message& message, int delta) {
    const Bytes frame = EncodeFrame(message);
    Bytes raw = *Unescape(std::span(frame).subspan(1, frame.size() - 2));
    raw.pop_back();
    raw[3] = static_cast<uint8_t>(raw[3] + delta);
    raw.push_back(CheckCode(raw));
    Bytes out{kFlag};
    const Bytes escaped = Escape(raw);
    out.insert(out.end(), escaped.begin(), escaped.end());
    out.push_back(kFlag);
    return out;
}

Header Make(uint16_t msgId, Version version, std::string phone) {
    Header header;
    header.msgId = msgId;
    header.version = version;
    header.phone = std::move(phone);
    return header;
}

Bytes Packet(Message message, uint16_t total, uint16_t index) {
    message.header.packetTotal = total;
    message.header.packetIndex = index;
    message.header.serial = static_cast<uint16_t>(0x4000 + index);
    return EncodeFrame(message);
}

struct Fault {
    const char* name;
    Bytes bytes;
    FrameError error;
};

// One lie for each way a connection finds one: the splitter, the frame decoder, the sub-packet
// reassembly and its time-out. Which lies each of them finds is the codec tests' business.
std::vector<Fault> Faults(const Header& header, const Bytes& body) {
    const Message m{header, body};
    Bytes tooLong(kMaxEscapedFrame + 3, 0x30);  // one byte past the longest content
    tooLong.front() = tooLong.back() = kFlag;
    Bytes totalChanges = Packet(m, 2, 1);
    const Bytes next = Packet(m, 3, 2);
    totalChanges.insert(totalChanges.end(), next.begin(), next.end());
    return {
        {"longer than any frame", tooLong, FrameError::TooLong},
        {"body length says more", Lying(m, 4), FrameError::BadLength},
        {"packet total changes", totalChanges, FrameError::BadPacket},
        {"a packet never comes", Packet(m, 2, 1), FrameError::Incomplete},
    };
}

const Version kVersions[] = {Version::V2013, Version::V2019};

class LinkFaultTest : public LinkFixture {
  protected:
    void SetUp() override {
        Start(kHealthy, Version::V2013);
        ASSERT_TRUE(RunUntil([&] { return m_platform.Ready(kHealthy); })) << m_log.str();
    }

    RawPeer& Connect(uint16_t port) {
        asio::ip::tcp::socket socket(m_io);
        socket.connect({asio::ip::address_v4::loopback(), port});
        return *m_peers.emplace_back(std::make_unique<RawPeer>(std::move(socket)));
    }
    // Registers a terminal by hand; the authentication code it was given.
    std::string Register(RawPeer& peer, const Header& header) {
        peer.Send(With(header, msg::kRegister),
                  Encode(Registration{0, 0, "MDVR", "raw", "1", 1, ""}, header.version));
        EXPECT_TRUE(RunUntil([&] { return peer.Got(msg::kRegisterReply) != nullptr; }));
        const Message* reply = peer.Got(msg::kRegisterReply);
        return reply ? DecodeRegisterReply(reply->body)->authCode : "";
    }
    uint16_t Authenticate(RawPeer& peer, const Header& header, const std::string& code) {
        return peer.Send(With(header, msg::kAuthenticate),
                         Encode(Authentication{code, "860000000000001", "raw"}, header.version));
    }
    static Header With(Header header, uint16_t msgId) {
        header.msgId = msgId;
        return header;
    }
    // The log written since mark.
    std::string LogSince(size_t mark) const { return m_log.str().substr(mark); }

    void ExpectHealthyUndisturbed() {
        Answer healthy;
        m_platform.Query(kHealthy, {}, Into(healthy));
        ASSERT_TRUE(RunUntil([&] { return healthy.arrived; }));
        EXPECT_TRUE(healthy.list) << healthy.why;
    }

    static constexpr const char* kHealthy = "100";
    std::vector<std::unique_ptr<RawPeer>> m_peers;  // before m_io goes
};

TEST_F(LinkFaultTest, ABadFrameBeforeAuthenticationClosesTheConnection) {
    int phone = 200;
    for (Version version : kVersions) {
        const Header header = Make(msg::kQueryReply, version, std::to_string(++phone));
        for (const Fault& fault : Faults(header, ListOf(2, 4))) {
            // A missing packet shows only after its time-out, by when the peer may be trusted.
            if (fault.error == FrameError::Incomplete) continue;
            SCOPED_TRACE(fault.name);
            const size_t mark = m_log.str().size();
            Header h = header;
            h.phone = std::to_string(++phone);
            RawPeer& peer = Connect(m_platform.Port());
            const std::string code = Register(peer, h);
            peer.Write(fault.bytes);
            Authenticate(peer, h, code);
            ASSERT_TRUE(RunUntil([&] { return peer.Closed(); })) << LogSince(mark);
            EXPECT_NE(LogSince(mark).find(std::string("bad frame before authentication: ") +
                                          Describe(fault.error)),
                      std::string::npos)
                << LogSince(mark);
            EXPECT_FALSE(m_platform.Ready(h.phone));
            Answer none;
            m_platform.Query(h.phone, {}, Into(none));
            EXPECT_EQ(none.why, "not connected");
            for (uint16_t id : {msg::kSetParams, msg::kQueryAll, msg::kQueryListed}) {
                EXPECT_FALSE(peer.Got(id)) << id;
            }
            ExpectHealthyUndisturbed();
        }
    }
}

TEST_F(LinkFaultTest, ABadFrameAfterAuthenticationIsDroppedAndTheSessionGoesOn) {
    int phone = 300;
    for (Version version : kVersions) {
        const Header header = Make(msg::kQueryReply, version, std::to_string(++phone));
        RawPeer& peer = Connect(m_platform.Port());
        const uint16_t auth = Authenticate(peer, header, Register(peer, header));
        ASSERT_TRUE(RunUntil([&] { return peer.Confirmed(auth); })) << m_log.str();
        for (const Fault& fault : Faults(header, ListOf(2, 4))) {
            SCOPED_TRACE(fault.name);
            const size_t mark = m_log.str().size();
            peer.Write(fault.bytes);
            const uint16_t beat = peer.Send(With(header, msg::kHeartbeat), {});
            const std::string logged = std::string("dropped a frame: ") + Describe(fault.error);
            EXPECT_TRUE(RunUntil([&] {
                return peer.Confirmed(beat) && LogSince(mark).find(logged) != std::string::npos;
            })) << LogSince(mark);
            EXPECT_FALSE(peer.Closed());
            EXPECT_TRUE(m_platform.Ready(header.phone));
            ExpectHealthyUndisturbed();
        }
    }
}

TEST_F(LinkFaultTest, AFloodOfHalfFramesDropsOnlyThatConnection) {
    const Header header = Make(msg::kHeartbeat, Version::V2013, "400");
    RawPeer& peer = Connect(m_platform.Port());
    const uint16_t auth = Authenticate(peer, header, Register(peer, header));
    ASSERT_TRUE(RunUntil([&] { return peer.Confirmed(auth); }));
    Bytes halves;
    for (size_t i = 0; i < 2 * Connection::kMaxBadFrames; ++i) {
        halves.insert(halves.end(), {kFlag, 0x01, 0x02, 0x03});
    }
    peer.Write(halves);
    ASSERT_TRUE(RunUntil([&] { return peer.Closed(); })) << m_log.str();
    EXPECT_NE(m_log.str().find("too many bad frames"), std::string::npos) << m_log.str();
    EXPECT_FALSE(m_platform.Ready("400"));
    ExpectHealthyUndisturbed();
}

TEST_F(LinkFaultTest, TheTerminalSideDropsBadFramesAndNeverAppliesThem) {
    for (Version version : kVersions) {
        asio::ip::tcp::acceptor acceptor(m_io, {asio::ip::address_v4::loopback(), 0});
        std::optional<asio::ip::tcp::socket> accepted;
        acceptor.async_accept([&](const asio::error_code& ec, asio::ip::tcp::socket socket) {
            if (!ec) accepted = std::move(socket);
        });
        Terminal& terminal = Start("500", version, TerminalSide::Fault::None, ListOf(3, 4),
                                   acceptor.local_endpoint().port());
        ASSERT_TRUE(RunUntil([&] { return accepted.has_value(); }));
        RawPeer& platform = *m_peers.emplace_back(std::make_unique<RawPeer>(std::move(*accepted)));

        const Header header = Make(msg::kSetParams, version, "500");
        ASSERT_TRUE(RunUntil([&] { return platform.Got(msg::kRegister) != nullptr; }));
        platform.Send(With(header, msg::kRegisterReply),
                      Encode(RegisterReply{platform.Got(msg::kRegister)->header.serial,
                                           RegisterResult::Ok, "AC"}));
        ASSERT_TRUE(RunUntil([&] { return platform.Got(msg::kAuthenticate) != nullptr; }));
        platform.Send(With(header, msg::kPlatformResponse),
                      Encode(GeneralResponse{platform.Got(msg::kAuthenticate)->header.serial,
                                             msg::kAuthenticate, Result::Ok}));
        ASSERT_TRUE(RunUntil([&] { return terminal.side->Authenticated(); })) << m_log.str();

        for (const Fault& fault : Faults(header, ListOf(2, 4))) {
            SCOPED_TRACE(fault.name);
            const size_t mark = m_log.str().size();
            platform.Write(fault.bytes);
            const uint16_t query = platform.Send(With(header, msg::kQueryAll), {});
            const std::string logged = std::string("dropped a frame: ") + Describe(fault.error);
            EXPECT_TRUE(RunUntil([&] {
                return platform.Answered(query) && LogSince(mark).find(logged) != std::string::npos;
            })) << LogSince(mark);
            EXPECT_TRUE(terminal.side->Connected());
            EXPECT_TRUE(terminal.applied.empty());  // no setting was whole, none applied
        }
    }
}

}  // namespace
}  // namespace mdvr::jt808
