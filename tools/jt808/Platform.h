#pragma once
// The platform side of the configuration link: it accepts terminals, registers and
// authenticates them, and sends them parameter queries and settings. Only authenticated
// terminals get configuration traffic; a connection that sends a bad frame before it
// authenticated is closed, afterwards the frame is only dropped. Terminals are keyed by phone
// number without leading zeros, so a 2013 and a 2019 header name the same terminal alike.
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "tools/jt808/Connection.h"
#include "tools/jt808/Messages.h"

namespace mdvr::jt808 {

std::string PhoneKey(std::string_view phone);

class Platform {
  public:
    struct Options {
        Reassembler::Clock::duration reassemblyTimeout = std::chrono::seconds(10);
        std::function<bool(const std::string& phoneKey)> known;  // registry look-up
        std::ostream* log = nullptr;
    };
    // The list a query was answered with, or nullopt and why not.
    using Done = std::function<void(std::optional<Bytes> list, const std::string& why)>;
    static constexpr size_t kMaxWaiting = 16;  // requests awaiting an answer per terminal

    Platform(asio::io_context& io, const asio::ip::tcp::endpoint& endpoint, Options options);

    uint16_t Port() const { return m_acceptor.local_endpoint().port(); }
    bool Ready(const std::string& phoneKey) const;
    size_t ReadyCount() const;

    // 0x8104 (ids empty) or 0x8106; done gets the 0x0104 list once all its packets arrived.
    void Query(const std::string& phoneKey, const Bytes& ids, Done done);
    // 0x8103; done gets an empty list when the terminal confirmed it.
    void Set(const std::string& phoneKey, const Bytes& list, Done done);

  private:
    struct Waiting {
        uint16_t msgId = 0;
        Done done;
    };
    struct Session {
        std::shared_ptr<Connection> connection;
        Header header;  // how the terminal writes its header; replies use the same
        std::string key;
        std::string authCode;
        bool authenticated = false;
        std::map<uint16_t, Waiting> waiting;  // by the serial of the request
    };

    void Accept();
    void OnMessage(Session& session, const Message& message);
    void OnBadFrame(Session& session, FrameError error, const std::optional<Header>& header);
    void OnRegister(Session& session, const Message& message);
    void OnAuthenticate(Session& session, const Message& message);
    void OnAnswer(Session& session, uint16_t serial, uint16_t msgId, std::optional<Bytes> list,
                  const std::string& why);
    void Respond(Session& session, const Header& to, Result result);
    void Send(const std::string& phoneKey, uint16_t msgId, const Bytes& body, Done done);
    void Log(const Session& session, const std::string& line) const;
    void Drop(Session* session, const std::string& why);

    asio::ip::tcp::acceptor m_acceptor;
    Options m_options;
    std::map<Session*, std::unique_ptr<Session>> m_sessions;
    std::map<std::string, Session*> m_byPhone;  // authenticated terminals
    uint32_t m_codes = 0;
};

}  // namespace mdvr::jt808
