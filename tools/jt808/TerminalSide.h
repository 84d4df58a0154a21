#pragma once
// The terminal side of the configuration link: it connects, registers, authenticates, beats
// its heart and answers parameter queries and settings from a store it is given. Faults can be
// switched on for its replies so the platform's handling of them can be tested.
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "tools/jt808/Connection.h"
#include "tools/jt808/Messages.h"

namespace mdvr::jt808 {

class TerminalSide {
  public:
    // LosePacket: a reply goes out without its last packet (a reply in one frame: not at all).
    enum class Fault { None, Drop, Corrupt, DisconnectMidReply, LosePacket };
    struct Options {
        std::string phone;
        Version version = Version::V2013;
        std::chrono::milliseconds heartbeat{30000};
        size_t chunk = 1000;  // reply bodies longer than this go in sub-packets
        Fault fault = Fault::None;
        std::chrono::milliseconds delay{0};  // before each reply
        std::ostream* log = nullptr;
        std::chrono::milliseconds reassemblyTimeout{10000};  // for a split 0x8103
    };
    struct Store {
        // The list for the queried IDs (all when empty); nullopt when it cannot be made.
        std::function<std::optional<Bytes>(const Bytes& ids)> answer;
        // Applies a list as a whole or not at all.
        std::function<bool(const Bytes& list)> apply;
    };

    TerminalSide(asio::io_context& io, Options options, Store store);

    void Connect(const asio::ip::tcp::endpoint& platform);
    bool Authenticated() const { return m_authenticated; }
    bool Connected() const { return m_connection && m_connection->Open(); }
    // Called when the terminal authenticated or lost its connection.
    void OnStateChange(std::function<void()> notify) { m_notify = std::move(notify); }

  private:
    void Start(asio::ip::tcp::socket socket);
    void OnMessage(const Message& message);
    void Register();
    void Beat();
    void Reply(uint16_t msgId, const Bytes& body);
    void Transmit(std::vector<Bytes> frames);
    void Respond(const Header& to, Result result);
    void Log(const std::string& line) const;
    Header MakeHeader(uint16_t msgId) const;

    asio::io_context& m_io;
    Options m_options;
    Store m_store;
    std::shared_ptr<Connection> m_connection;
    asio::steady_timer m_timer;
    bool m_authenticated = false;
    std::function<void()> m_notify;
};

}  // namespace mdvr::jt808
