#pragma once
// One TCP connection carrying JT/T 808 frames, either side. It cuts the stream into frames,
// puts sub-packets together, numbers what it sends and splits long bodies. Per connection it
// keeps one read buffer, at most one frame being cut, the reassembler's bounded sets and the
// frames not yet written.
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <asio.hpp>

#include "tools/jt808/Frame.h"
#include "tools/jt808/Packets.h"

namespace mdvr::jt808 {

class Connection : public std::enable_shared_from_this<Connection> {
  public:
    struct Handlers {
        std::function<void(Message)> onMessage;
        // A frame that did not decode, or a split message whose packets ran out of time;
        // header is set when only the check code was wrong.
        std::function<void(FrameError, const std::optional<Header>& header)> onBadFrame;
        std::function<void(const std::string& why)> onClosed;
    };

    static constexpr size_t kMaxBadFrames = 16;       // in a row, then the peer is dropped
    static constexpr size_t kMaxQueuedBytes = 1 << 20;  // unsent; a peer that stops reading

    Connection(asio::ip::tcp::socket socket, Reassembler::Clock::duration reassemblyTimeout);

    void Start(Handlers handlers);
    // Sends body under header (its serial and packet fields are filled here), in packets of at
    // most chunk bytes; the first serial used.
    uint16_t Send(Header header, const Bytes& body, size_t chunk = kMaxBody);
    // The frames Send would write, serials taken; for a sender that alters them.
    std::vector<Bytes> Frames(Header header, const Bytes& body, size_t chunk = kMaxBody);
    // Sends bytes as they are: for fault simulation.
    void SendBytes(Bytes bytes);
    void Close(const std::string& why);
    bool Open() const { return m_open; }
    const std::string& Peer() const { return m_peer; }

  private:
    void Read();
    void OnData(size_t length);
    void Handle(FrameSplitter::Piece& piece);
    void Write();
    // Drops the split messages whose time ran out, each reported, and waits for the next one.
    void Expire();

    asio::ip::tcp::socket m_socket;
    Reassembler m_reassembler;
    asio::steady_timer m_expiry;
    FrameSplitter m_splitter;
    Handlers m_handlers;
    std::array<uint8_t, 2048> m_buffer{};
    std::deque<Bytes> m_queue;
    size_t m_queuedBytes = 0;
    size_t m_badFrames = 0;
    uint16_t m_nextSerial = 0;
    bool m_open = true;
    std::string m_peer;
};

// "ADDR:PORT" as an endpoint (port 0: any free one); throws std::invalid_argument for anything
// else.
asio::ip::tcp::endpoint ParseEndpoint(const std::string& text);

}  // namespace mdvr::jt808
