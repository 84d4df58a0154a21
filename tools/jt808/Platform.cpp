#include "tools/jt808/Platform.h"

namespace mdvr::jt808 {

std::string PhoneKey(std::string_view phone) {
    const size_t first = phone.find_first_not_of('0');
    return std::string(first == std::string_view::npos ? std::string_view("0")
                                                       : phone.substr(first));
}

Platform::Platform(asio::io_context& io, const asio::ip::tcp::endpoint& endpoint,
                   Options options)
    : m_acceptor(io, endpoint), m_options(std::move(options)) {
    Accept();
}

bool Platform::Ready(const std::string& phoneKey) const {
    return m_byPhone.contains(phoneKey);
}

size_t Platform::ReadyCount() const {
    return m_byPhone.size();
}

void Platform::Accept() {
    m_acceptor.async_accept([this](const asio::error_code& ec, asio::ip::tcp::socket socket) {
        if (ec) return;  // the acceptor closed
        auto owned = std::make_unique<Session>();
        Session* session = owned.get();
        session->connection =
            std::make_shared<Connection>(std::move(socket), m_options.reassemblyTimeout);
        m_sessions.emplace(session, std::move(owned));
        session->connection->Start({
            [this, session](Message m) { OnMessage(*session, m); },
            [this, session](FrameError error, const std::optional<Header>& header) {
                OnBadFrame(*session, error, header);
            },
            [this, session](const std::string& why) { Drop(session, why); },
        });
        Accept();
    });
}

void Platform::OnMessage(Session& session, const Message& message) {
    const Header& h = message.header;
    if (session.header.phone.empty() || !session.authenticated) session.header = h;
    switch (h.msgId) {
        case msg::kRegister: return OnRegister(session, message);
        case msg::kAuthenticate: return OnAuthenticate(session, message);
        case msg::kHeartbeat: return Respond(session, h, Result::Ok);
        case msg::kLogout:
            Respond(session, h, Result::Ok);
            return session.connection->Close("logged out");
        default: break;
    }
    if (!session.authenticated) {
        Log(session, "not authenticated: message ignored");
        return Respond(session, h, Result::Failed);
    }
    if (h.msgId == msg::kQueryReply) {
        std::optional<QueryReply> reply = DecodeQueryReply(message.body);
        if (!reply) return Respond(session, h, Result::BadMessage);
        return OnAnswer(session, reply->serial, msg::kQueryAll, std::move(reply->list), "");
    }
    if (h.msgId == msg::kTerminalResponse) {
        std::optional<GeneralResponse> response = DecodeGeneralResponse(message.body);
        if (!response) return Respond(session, h, Result::BadMessage);
        const bool ok = response->result == Result::Ok;
        return OnAnswer(session, response->serial, response->msgId,
                        ok ? std::optional<Bytes>(Bytes{}) : std::nullopt,
                        "the terminal answered result " +
                            std::to_string(static_cast<int>(response->result)));
    }
    Respond(session, h, Result::Unsupported);
}

void Platform::OnBadFrame(Session& session, FrameError error,
                          const std::optional<Header>& header) {
    // A peer that has not proved who it is gets no second chance to.
    if (!session.authenticated) {
        return session.connection->Close(std::string("bad frame before authentication: ") +
                                         Describe(error));
    }
    Log(session, std::string("dropped a frame: ") + Describe(error));
    if (header) Respond(session, *header, Result::BadMessage);
}

void Platform::OnRegister(Session& session, const Message& message) {
    RegisterReply reply{message.header.serial, RegisterResult::Ok, {}};
    const std::string key = PhoneKey(message.header.phone);
    if (!DecodeRegistration(message.body, message.header.version)) {
        return Respond(session, message.header, Result::BadMessage);
    }
    if (m_options.known && !m_options.known(key)) {
        reply.result = RegisterResult::NoSuchTerminal;
        Log(session, "terminal " + key + " is not in the registry");
    } else {
        reply.authCode = "AC" + std::to_string(++m_codes);
        session.key = key;
        session.authCode = reply.authCode;
    }
    Header header = session.header;
    header.msgId = msg::kRegisterReply;
    session.connection->Send(header, Encode(reply));
}

void Platform::OnAuthenticate(Session& session, const Message& message) {
    std::optional<Authentication> auth =
        DecodeAuthentication(message.body, message.header.version);
    if (!auth || session.authCode.empty() || auth->code != session.authCode ||
        PhoneKey(message.header.phone) != session.key) {
        Log(session, "authentication refused");
        return Respond(session, message.header, Result::Failed);
    }
    auto previous = m_byPhone.find(session.key);
    if (previous != m_byPhone.end() && previous->second != &session) {
        previous->second->connection->Close("replaced by a new connection");
    }
    session.authenticated = true;
    m_byPhone[session.key] = &session;
    Respond(session, message.header, Result::Ok);
}

void Platform::OnAnswer(Session& session, uint16_t serial, uint16_t msgId,
                        std::optional<Bytes> list, const std::string& why) {
    auto it = session.waiting.find(serial);
    const auto isQuery = [](uint16_t id) { return id == msg::kQueryAll || id == msg::kQueryListed; };
    if (it == session.waiting.end() ||
        (isQuery(msgId) ? !isQuery(it->second.msgId) : it->second.msgId != msgId)) {
        Log(session, "an answer to no request: ignored");
        return;
    }
    Done done = std::move(it->second.done);
    session.waiting.erase(it);
    done(std::move(list), why);
}

void Platform::Respond(Session& session, const Header& to, Result result) {
    Header header = session.header;
    header.msgId = msg::kPlatformResponse;
    session.connection->Send(header, Encode(GeneralResponse{to.serial, to.msgId, result}));
}

void Platform::Query(const std::string& phoneKey, const Bytes& ids, Done done) {
    Send(phoneKey, ids.empty() ? msg::kQueryAll : msg::kQueryListed, ids, std::move(done));
}

void Platform::Set(const std::string& phoneKey, const Bytes& list, Done done) {
    Send(phoneKey, msg::kSetParams, list, std::move(done));
}

void Platform::Send(const std::string& phoneKey, uint16_t msgId, const Bytes& body, Done done) {
    auto it = m_byPhone.find(phoneKey);
    if (it == m_byPhone.end()) return done(std::nullopt, "not connected");
    Session& session = *it->second;
    if (session.waiting.size() == kMaxWaiting) {
        Done oldest = std::move(session.waiting.begin()->second.done);
        session.waiting.erase(session.waiting.begin());
        oldest(std::nullopt, "too many requests waiting");
    }
    Header header = session.header;
    header.msgId = msgId;
    const uint16_t serial = session.connection->Send(header, body);
    session.waiting[serial] = {msgId, std::move(done)};
}

void Platform::Log(const Session& session, const std::string& line) const {
    if (m_options.log == nullptr) return;
    *m_options.log << "[link] " << session.connection->Peer()
                   << (session.key.empty() ? "" : " terminal " + session.key) << ": " << line
                   << '\n';
}

void Platform::Drop(Session* session, const std::string& why) {
    Log(*session, "disconnected (" + why + ")");
    auto byPhone = m_byPhone.find(session->key);
    if (byPhone != m_byPhone.end() && byPhone->second == session) m_byPhone.erase(byPhone);
    std::map<uint16_t, Waiting> waiting = std::move(session->waiting);
    // The connection may be calling us: it goes away once its handler returned.
    asio::post(m_acceptor.get_executor(), [connection = std::move(session->connection)] {});
    m_sessions.erase(session);
    for (auto& [serial, w] : waiting) w.done(std::nullopt, "disconnected: " + why);
}

}  // namespace mdvr::jt808
