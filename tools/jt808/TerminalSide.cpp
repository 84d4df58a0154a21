#include "tools/jt808/TerminalSide.h"

namespace mdvr::jt808 {

TerminalSide::TerminalSide(asio::io_context& io, Options options, Store store)
    : m_io(io), m_options(std::move(options)), m_store(std::move(store)), m_timer(io) {}

void TerminalSide::Connect(const asio::ip::tcp::endpoint& platform) {
    auto socket = std::make_shared<asio::ip::tcp::socket>(m_io);
    socket->async_connect(platform, [this, socket](const asio::error_code& ec) {
        if (ec) {
            Log("cannot connect: " + ec.message());
            if (m_notify) m_notify();
            return;
        }
        Start(std::move(*socket));
    });
}

void TerminalSide::Start(asio::ip::tcp::socket socket) {
    m_connection = std::make_shared<Connection>(std::move(socket), m_options.reassemblyTimeout);
    m_connection->Start({
        [this](Message m) { OnMessage(m); },
        [this](FrameError error, const std::optional<Header>& header) {
            Log(std::string("dropped a frame: ") + Describe(error));
            if (header) Respond(*header, Result::BadMessage);
        },
        [this](const std::string& why) {
            Log("disconnected (" + why + ")");
            m_authenticated = false;
            m_timer.cancel();
            if (m_notify) m_notify();
        },
    });
    Register();
}

Header TerminalSide::MakeHeader(uint16_t msgId) const {
    Header h;
    h.msgId = msgId;
    h.version = m_options.version;
    h.phone = m_options.phone;
    return h;
}

void TerminalSide::Register() {
    // The terminal ID field holds seven bytes in 2013: the phone's last digits fit it.
    const std::string& phone = m_options.phone;
    const std::string id = phone.substr(phone.size() > 7 ? phone.size() - 7 : 0);
    const Registration registration{0, 0, "MDVR", "mdvr-terminal", id, 1, ""};
    m_connection->Send(MakeHeader(msg::kRegister), Encode(registration, m_options.version));
}

void TerminalSide::Beat() {
    m_timer.expires_after(m_options.heartbeat);
    m_timer.async_wait([this](const asio::error_code& ec) {
        if (ec || !Connected()) return;
        m_connection->Send(MakeHeader(msg::kHeartbeat), {});
        Beat();
    });
}

void TerminalSide::OnMessage(const Message& message) {
    const Header& h = message.header;
    switch (h.msgId) {
        case msg::kRegisterReply: {
            std::optional<RegisterReply> reply = DecodeRegisterReply(message.body);
            if (!reply || reply->result != RegisterResult::Ok) {
                Log("registration refused");
                return m_connection->Close("registration refused");
            }
            const Authentication auth{reply->authCode, "860000000000000", "mdvr-terminal"};
            m_connection->Send(MakeHeader(msg::kAuthenticate), Encode(auth, m_options.version));
            return;
        }
        case msg::kPlatformResponse: {
            std::optional<GeneralResponse> response = DecodeGeneralResponse(message.body);
            if (response && response->msgId == msg::kAuthenticate) {
                m_authenticated = response->result == Result::Ok;
                Log(m_authenticated ? "authenticated" : "authentication refused");
                if (m_authenticated) Beat();
                if (m_notify) m_notify();
            }
            return;
        }
        case msg::kQueryAll:
        case msg::kQueryListed: {
            std::optional<Bytes> list = m_store.answer(message.body);
            if (!list) return Respond(h, Result::Failed);
            return Reply(msg::kQueryReply, Encode(QueryReply{h.serial, std::move(*list)}));
        }
        case msg::kSetParams: {
            const bool applied = m_store.apply(message.body);
            return Reply(msg::kTerminalResponse,
                         Encode(GeneralResponse{h.serial, h.msgId,
                                                applied ? Result::Ok : Result::Failed}));
        }
        default: return Respond(h, Result::Unsupported);
    }
}

void TerminalSide::Respond(const Header& to, Result result) {
    m_connection->Send(MakeHeader(msg::kTerminalResponse),
                       Encode(GeneralResponse{to.serial, to.msgId, result}));
}

void TerminalSide::Reply(uint16_t msgId, const Bytes& body) {
    if (m_options.fault == Fault::Drop) return Log("reply dropped");
    std::vector<Bytes> frames = m_connection->Frames(MakeHeader(msgId), body, m_options.chunk);
    if (m_options.delay.count() == 0) return Transmit(std::move(frames));
    auto timer = std::make_shared<asio::steady_timer>(m_io, m_options.delay);
    timer->async_wait([this, timer, frames = std::move(frames)](const asio::error_code&) mutable {
        Transmit(std::move(frames));
    });
}

void TerminalSide::Transmit(std::vector<Bytes> frames) {
    if (!Connected()) return;
    if (m_options.fault == Fault::DisconnectMidReply) {
        Bytes& first = frames.front();
        first.resize(first.size() / 2);
        m_connection->SendBytes(std::move(first));
        // Closing at once would discard the half frame before it is written.
        auto timer = std::make_shared<asio::steady_timer>(m_io, std::chrono::milliseconds(20));
        timer->async_wait([this, timer](const asio::error_code&) {
            if (Connected()) m_connection->Close("disconnected mid reply on purpose");
        });
        return;
    }
    if (m_options.fault == Fault::LosePacket) frames.pop_back();
    for (Bytes& frame : frames) {
        // The byte before the end flag belongs to the check code; 0 or 1 never makes a flag.
        if (m_options.fault == Fault::Corrupt) frame[frame.size() - 2] = frame[frame.size() - 2] ? 0 : 1;
        m_connection->SendBytes(std::move(frame));
    }
}

void TerminalSide::Log(const std::string& line) const {
    if (m_options.log != nullptr) *m_options.log << "[terminal " << m_options.phone << "] " << line << '\n';
}

}  // namespace mdvr::jt808
