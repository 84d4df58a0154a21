// The platform and terminal sides over loopback, run on the test's own thread: registration,
// queries, settings, sub-packets and both header versions, and frames that lie, which other
// terminals never notice. Faulty replies are the live-link test's.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "tools/jt808/Platform.h"
#include "tools/jt808/TerminalSide.h"

namespace mdvr::jt808 {
namespace {

using namespace std::chrono_literals;

Bytes ListOf(size_t items, size_t valueSize) {
    Bytes list{static_cast<uint8_t>(items)};
    for (size_t i = 0; i < items; ++i) {
        const Bytes item{0x00, 0x00, 0xF0, static_cast<uint8_t>(i),
                         static_cast<uint8_t>(valueSize)};
        list.insert(list.end(), item.begin(), item.end());
        list.insert(list.end(), valueSize, static_cast<uint8_t>(0x7E - i));  // escapes too
    }
    return list;
}

// A hand-driven terminal: its connection sends what the test gives it, lies included.
struct RawPeer {
    std::shared_ptr<Connection> connection;
    std::vector<Message> received;
    bool closed = false;

    uint16_t Send(Header header, uint16_t msgId, const Bytes& body) {
        header.msgId = msgId;
        return connection->Send(header, body);
    }
    const Message* Got(uint16_t msgId) const {
        const auto it = std::find_if(received.begin(), received.end(),
                                     [&](const Message& m) { return m.header.msgId == msgId; });
        return it == received.end() ? nullptr : &*it;
    }
    // Whether a query reply, or the platform's response saying Ok, answered the message sent
    // with serial.
    bool Answered(uint16_t serial) const {
        return std::any_of(received.begin(), received.end(), [&](const Message& m) {
            if (m.header.msgId == msg::kQueryReply) {
                const std::optional<QueryReply> reply = DecodeQueryReply(m.body);
                return reply && reply->serial == serial;
            }
            const std::optional<GeneralResponse> r = DecodeGeneralResponse(m.body);
            return m.header.msgId == msg::kPlatformResponse && r && r->serial == serial &&
                   r->result == Result::Ok;
        });
    }
};

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
std::vector<Fault> Faults(const Header& header) {
    const Message m{header, ListOf(2, 4)};
    Bytes tooLong(kMaxEscapedFrame + 3, 0x30);  // one byte past the longest content
    tooLong.front() = tooLong.back() = kFlag;
    // The body length in the properties' low byte says more; the check code is made right.
    const Bytes frame = EncodeFrame(m);
    Bytes raw = *Unescape(std::span(frame).subspan(1, frame.size() - 2));
    raw[3] = static_cast<uint8_t>(raw[3] + 4);
    raw.back() = CheckCode(std::span(raw).first(raw.size() - 1));
    Bytes lying = Escape(raw);
    lying.insert(lying.begin(), kFlag);
    lying.push_back(kFlag);
    Bytes totalChanges = Packet(m, 2, 1);
    const Bytes next = Packet(m, 3, 2);
    totalChanges.insert(totalChanges.end(), next.begin(), next.end());
    return {
        {"longer than any frame", tooLong, FrameError::TooLong},
        {"body length says more", lying, FrameError::BadLength},
        {"packet total changes", totalChanges, FrameError::BadPacket},
        {"a packet never comes", Packet(m, 2, 1), FrameError::Incomplete},
    };
}

struct Answer {
    bool arrived = false;
    std::optional<Bytes> list;
    std::string why;
};

class LinkTest : public ::testing::Test {
  protected:
    static constexpr std::chrono::milliseconds kReassemblyTimeout{300};
    static constexpr const char* kHealthy = "100";

    struct Terminal {
        Bytes applied;
        std::unique_ptr<TerminalSide> side;
    };

    // port: where the terminal connects, the platform's when 0.
    Terminal& Start(const std::string& phone, Version version, Bytes list = ListOf(3, 4),
                    uint16_t port = 0) {
        Terminal& t = *m_terminals.emplace_back(std::make_unique<Terminal>());
        const TerminalSide::Options options{
            phone,  version,           1000ms, 1000, TerminalSide::Fault::None, 0ms,
            &m_log, kReassemblyTimeout};
        t.side = std::make_unique<TerminalSide>(
            m_io, options,
            TerminalSide::Store{[list](const Bytes&) { return std::optional<Bytes>(list); },
                                [&t](const Bytes& applied) {
                                    t.applied = applied;
                                    return true;
                                }});
        t.side->Connect({asio::ip::address_v4::loopback(), port ? port : m_platform.Port()});
        return t;
    }
    template <typename Pred>
    bool RunUntil(Pred pred, std::chrono::milliseconds limit = 2000ms) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!pred() && std::chrono::steady_clock::now() < deadline) m_io.run_for(5ms);
        return pred();
    }
    // A query for the IDs given, or a setting of the list given.
    Answer Ask(const std::string& key, const Bytes& bytes = {}, bool set = false) {
        Answer answer;
        Platform::Done done = [&answer](std::optional<Bytes> list, const std::string& why) {
            answer = {true, std::move(list), why};
        };
        set ? m_platform.Set(key, bytes, done) : m_platform.Query(key, bytes, done);
        RunUntil([&] { return answer.arrived; });
        return answer;
    }
    void ExpectHealthyUndisturbed() {
        const Answer healthy = Ask(kHealthy);
        EXPECT_TRUE(healthy.list) << healthy.why;
    }

    RawPeer& Attach(asio::ip::tcp::socket socket) {
        RawPeer& peer = *m_peers.emplace_back(std::make_unique<RawPeer>());
        peer.connection = std::make_shared<Connection>(std::move(socket), kReassemblyTimeout);
        peer.connection->Start({[&peer](Message m) { peer.received.push_back(std::move(m)); },
                                nullptr, [&peer](const std::string&) { peer.closed = true; }});
        return peer;
    }
    // A hand-driven terminal, registered and (when asked) authenticated on the platform.
    RawPeer& PlatformPeer(const Header& header, bool authenticate) {
        asio::ip::tcp::socket socket(m_io);
        socket.connect({asio::ip::address_v4::loopback(), m_platform.Port()});
        RawPeer& peer = Attach(std::move(socket));
        peer.Send(header, msg::kRegister,
                  Encode(Registration{0, 0, "MDVR", "raw", "1", 1, ""}, header.version));
        EXPECT_TRUE(RunUntil([&] { return peer.Got(msg::kRegisterReply) != nullptr; }));
        const Message* reply = peer.Got(msg::kRegisterReply);
        m_authCode = reply ? DecodeRegisterReply(reply->body)->authCode : "";
        if (authenticate) {
            const uint16_t auth = Authenticate(peer, header);
            EXPECT_TRUE(RunUntil([&] { return peer.Answered(auth); })) << m_log.str();
        }
        return peer;
    }
    uint16_t Authenticate(RawPeer& peer, const Header& header) {
        return peer.Send(
            header, msg::kAuthenticate,
            Encode(Authentication{m_authCode, "860000000000001", "raw"}, header.version));
    }
    // The log written since mark.
    std::string LogSince(size_t mark) const { return m_log.str().substr(mark); }

    std::ostringstream m_log;
    asio::io_context m_io;
    Platform m_platform{
        m_io,
        {asio::ip::address_v4::loopback(), 0},
        {kReassemblyTimeout, [](const std::string& key) { return key != "999"; }, &m_log}};
    std::vector<std::unique_ptr<Terminal>> m_terminals;
    std::vector<std::unique_ptr<RawPeer>> m_peers;  // before m_io goes
    std::string m_authCode;
};

TEST_F(LinkTest, QueriesAndSettingsInBothVersions) {
    const struct {
        Version version;
        const char* phone;
        Bytes list;
    } cases[] = {
        {Version::V2013, "013900000001", ListOf(3, 4)},
        {Version::V2019, "00000000013900000002", ListOf(3, 4)},
        {Version::V2013, "13900000003", ListOf(12, 200)},  // 0x0104 in three packets
        {Version::V2019, "13900000004", ListOf(12, 200)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phone);
        Terminal& t = Start(c.phone, c.version, c.list);
        const std::string key = PhoneKey(c.phone);
        ASSERT_TRUE(RunUntil([&] { return m_platform.Ready(key); })) << m_log.str();
        for (const Bytes& ids : {Bytes{}, Bytes{0x01, 0x00, 0x00, 0xF0, 0x01}}) {
            const Answer got = Ask(key, ids);
            ASSERT_TRUE(got.arrived) << m_log.str();
            EXPECT_EQ(got.list, c.list);
        }
        // A list received and sent back unedited arrives with the same items.
        const Answer set = Ask(key, c.list, true);
        EXPECT_TRUE(set.list) << set.why;
        EXPECT_EQ(t.applied, c.list);
    }
}

TEST_F(LinkTest, UnknownTerminalsGetNoConfigurationTraffic) {
    Start("999", Version::V2013);
    ASSERT_TRUE(
        RunUntil([&] { return m_log.str().find("registration refused") != std::string::npos; }));
    EXPECT_FALSE(m_platform.Ready("999"));
    const Answer got = Ask("999");
    EXPECT_TRUE(got.arrived);
    EXPECT_FALSE(got.list);
    EXPECT_NE(m_log.str().find("not in the registry"), std::string::npos) << m_log.str();
}

class LinkFaultTest : public LinkTest {
  protected:
    void SetUp() override {
        Start(kHealthy, Version::V2013);
        ASSERT_TRUE(RunUntil([&] { return m_platform.Ready(kHealthy); })) << m_log.str();
    }
};

// Before authentication a lying frame closes the connection, which is never configured; after
// it, the frame is dropped and the session goes on.
TEST_F(LinkFaultTest, ABadFrameClosesAnUnprovenConnectionAndIsDroppedLater) {
    int phone = 200;
    for (bool authenticated : {false, true}) {
        for (Version version : {Version::V2013, Version::V2019}) {
            Header h = Header{
                .msgId = msg::kQueryReply, .version = version, .phone = std::to_string(++phone)};
            RawPeer* peer = authenticated ? &PlatformPeer(h, true) : nullptr;
            for (const Fault& fault : Faults(h)) {
                // A missing packet shows only after its time-out, by when the peer may be trusted.
                if (!authenticated && fault.error == FrameError::Incomplete) continue;
                SCOPED_TRACE(testing::Message()
                             << fault.name << ", authenticated " << authenticated);
                const size_t mark = m_log.str().size();
                if (!authenticated) {
                    h.phone = std::to_string(++phone);
                    peer = &PlatformPeer(h, false);
                }
                peer->connection->SendBytes(fault.bytes);
                const uint16_t next =
                    authenticated ? peer->Send(h, msg::kHeartbeat, {}) : Authenticate(*peer, h);
                const std::string logged =
                    (authenticated ? "dropped a frame: " : "bad frame before authentication: ") +
                    std::string(Describe(fault.error));
                EXPECT_TRUE(RunUntil([&] {
                    return (authenticated ? peer->Answered(next) : peer->closed) &&
                           LogSince(mark).find(logged) != std::string::npos;
                })) << LogSince(mark);
                EXPECT_EQ(peer->closed, !authenticated);
                EXPECT_EQ(m_platform.Ready(h.phone), authenticated);
                if (!authenticated) {
                    EXPECT_EQ(Ask(h.phone).why, "not connected");
                    for (uint16_t id : {msg::kSetParams, msg::kQueryAll, msg::kQueryListed}) {
                        EXPECT_FALSE(peer->Got(id)) << id;
                    }
                }
                ExpectHealthyUndisturbed();
            }
        }
    }
}

TEST_F(LinkFaultTest, AFloodOfHalfFramesDropsOnlyThatConnection) {
    RawPeer& peer = PlatformPeer(
        Header{.msgId = msg::kHeartbeat, .version = Version::V2013, .phone = "400"}, true);
    Bytes halves;
    for (size_t i = 0; i < 2 * Connection::kMaxBadFrames; ++i) {
        halves.insert(halves.end(), {kFlag, 0x01, 0x02, 0x03});
    }
    peer.connection->SendBytes(halves);
    ASSERT_TRUE(RunUntil([&] { return peer.closed; })) << m_log.str();
    EXPECT_NE(m_log.str().find("too many bad frames"), std::string::npos) << m_log.str();
    EXPECT_FALSE(m_platform.Ready("400"));
    ExpectHealthyUndisturbed();
}

// The terminal side drops a lying frame from its platform, answers what comes next and never
// applies a setting that was not whole.
TEST_F(LinkFaultTest, TheTerminalSideDropsBadFramesToo) {
    asio::ip::tcp::acceptor acceptor(m_io, {asio::ip::address_v4::loopback(), 0});
    RawPeer* platform = nullptr;
    acceptor.async_accept([&](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (!ec) platform = &Attach(std::move(socket));
    });
    Terminal& terminal =
        Start("500", Version::V2019, ListOf(3, 4), acceptor.local_endpoint().port());
    ASSERT_TRUE(RunUntil([&] { return platform && platform->Got(msg::kRegister); }));
    const Header h{.msgId = msg::kSetParams, .version = Version::V2019, .phone = "500"};
    platform->Send(h, msg::kRegisterReply,
                   Encode(RegisterReply{platform->Got(msg::kRegister)->header.serial,
                                        RegisterResult::Ok, "AC"}));
    ASSERT_TRUE(RunUntil([&] { return platform->Got(msg::kAuthenticate) != nullptr; }));
    platform->Send(h, msg::kPlatformResponse,
                   Encode(GeneralResponse{platform->Got(msg::kAuthenticate)->header.serial,
                                          msg::kAuthenticate, Result::Ok}));
    ASSERT_TRUE(RunUntil([&] { return terminal.side->Authenticated(); })) << m_log.str();
    for (const Fault& fault : Faults(h)) {
        SCOPED_TRACE(fault.name);
        const size_t mark = m_log.str().size();
        platform->connection->SendBytes(fault.bytes);
        const uint16_t query = platform->Send(h, msg::kQueryAll, {});
        const std::string logged = std::string("dropped a frame: ") + Describe(fault.error);
        EXPECT_TRUE(RunUntil([&] {
            return platform->Answered(query) && LogSince(mark).find(logged) != std::string::npos;
        })) << LogSince(mark);
        EXPECT_TRUE(terminal.side->Connected());
        EXPECT_TRUE(terminal.applied.empty());
    }
}

TEST(Jt808Endpoint, AddressAndPortOrNothing) {
    EXPECT_EQ(ParseEndpoint("127.0.0.1:7808").port(), 7808);
    EXPECT_EQ(ParseEndpoint("127.0.0.1:0").port(), 0);  // any free port
    for (const char* bad : {"127.0.0.1", "127.0.0.1:", "127.0.0.1:70000", "127.0.0.1:-1",
                            "localhost:7808", "127.0.0.1:78x"}) {
        EXPECT_THROW(ParseEndpoint(bad), std::invalid_argument) << bad;
    }
}

}  // namespace
}  // namespace mdvr::jt808
