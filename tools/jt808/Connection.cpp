#include "tools/jt808/Connection.h"

#include <stdexcept>

namespace mdvr::jt808 {

Connection::Connection(asio::ip::tcp::socket socket,
                       Reassembler::Clock::duration reassemblyTimeout)
    : m_socket(std::move(socket)),
      m_reassembler(reassemblyTimeout),
      m_expiry(m_socket.get_executor()) {
    asio::error_code ec;
    const auto endpoint = m_socket.remote_endpoint(ec);
    m_peer = ec ? "?" : endpoint.address().to_string() + ":" + std::to_string(endpoint.port());
}

void Connection::Start(Handlers handlers) {
    m_handlers = std::move(handlers);
    Read();
}

uint16_t Connection::Send(Header header, const Bytes& body, size_t chunk) {
    const uint16_t first = m_nextSerial;
    for (Bytes& frame : Frames(std::move(header), body, chunk)) SendBytes(std::move(frame));
    return first;
}

std::vector<Bytes> Connection::Frames(Header header, const Bytes& body, size_t chunk) {
    header.serial = m_nextSerial;
    header.packetTotal = 0;
    header.packetIndex = 0;
    const std::vector<Message> packets = Split(Message{header, body}, chunk);
    m_nextSerial = static_cast<uint16_t>(m_nextSerial + packets.size());
    std::vector<Bytes> frames;
    for (const Message& packet : packets) frames.push_back(EncodeFrame(packet));
    return frames;
}

void Connection::SendBytes(Bytes bytes) {
    if (!m_open) return;
    m_queuedBytes += bytes.size();
    if (m_queuedBytes > kMaxQueuedBytes) {
        Close("the peer does not read");
        return;
    }
    m_queue.push_back(std::move(bytes));
    if (m_queue.size() == 1) Write();
}

void Connection::Write() {
    asio::async_write(m_socket, asio::buffer(m_queue.front()),
                      [self = shared_from_this()](const asio::error_code& ec, size_t) {
                          if (!self->m_open) return;
                          if (ec) return self->Close("write failed: " + ec.message());
                          self->m_queuedBytes -= self->m_queue.front().size();
                          self->m_queue.pop_front();
                          if (!self->m_queue.empty()) self->Write();
                      });
}

void Connection::Close(const std::string& why) {
    if (!m_open) return;
    m_open = false;
    asio::error_code ignored;
    m_socket.shutdown(asio::ip::tcp::socket::shutdown_both, ignored);
    m_socket.close(ignored);
    m_expiry.cancel();
    m_queue.clear();
    m_queuedBytes = 0;
    if (m_handlers.onClosed) m_handlers.onClosed(why);
}

void Connection::Read() {
    m_socket.async_read_some(asio::buffer(m_buffer),
                             [self = shared_from_this()](const asio::error_code& ec, size_t n) {
                                 if (!self->m_open) return;
                                 if (ec) {
                                     self->Close(ec == asio::error::eof ? "closed by the peer"
                                                                        : ec.message());
                                     return;
                                 }
                                 self->OnData(n);
                                 if (self->m_open) self->Read();
                             });
}

void Connection::OnData(size_t length) {
    std::vector<FrameSplitter::Piece> pieces;
    m_splitter.Feed(std::span(m_buffer).first(length), pieces);
    Expire();
    for (FrameSplitter::Piece& piece : pieces) {
        if (!m_open) return;
        Handle(piece);
    }
    if (m_open) Expire();
}

void Connection::Expire() {
    const size_t expired = m_reassembler.Expire(Reassembler::Clock::now());
    for (size_t i = 0; i < expired && m_open; ++i) {
        if (m_handlers.onBadFrame) m_handlers.onBadFrame(FrameError::Incomplete, std::nullopt);
    }
    const std::optional<Reassembler::Clock::time_point> next = m_reassembler.NextDeadline();
    if (!m_open || !next || m_expiry.expiry() == *next) return;
    // Without it, a set whose last packet never comes would wait for the peer's next bytes.
    m_expiry.expires_at(*next);
    m_expiry.async_wait([self = shared_from_this()](const asio::error_code& ec) {
        if (!ec && self->m_open) self->Expire();
    });
}

void Connection::Handle(FrameSplitter::Piece& piece) {
    Decoded decoded = piece.tooLong ? Decoded{std::nullopt, FrameError::TooLong, std::nullopt}
                                    : DecodeFrame(piece.content);
    if (decoded.message) {
        Reassembler::Added added =
            m_reassembler.Add(std::move(*decoded.message), Reassembler::Clock::now());
        if (added.outcome != Reassembler::Outcome::Rejected) {
            m_badFrames = 0;
            if (added.whole && m_handlers.onMessage) m_handlers.onMessage(std::move(*added.whole));
            return;
        }
        decoded.error = FrameError::BadPacket;
    }
    if (m_handlers.onBadFrame) m_handlers.onBadFrame(decoded.error, decoded.header);
    if (++m_badFrames >= kMaxBadFrames) Close("too many bad frames");
}

asio::ip::tcp::endpoint ParseEndpoint(const std::string& text) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos) throw std::invalid_argument(text + ": expected ADDR:PORT");
    asio::error_code ec;
    const asio::ip::address address = asio::ip::make_address(text.substr(0, colon), ec);
    const std::string digits = text.substr(colon + 1);
    const int port = std::atoi(digits.c_str());
    if (ec || digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
        port > 0xFFFF) {
        throw std::invalid_argument(text + ": expected ADDR:PORT");
    }
    return {address, static_cast<uint16_t>(port)};
}

}  // namespace mdvr::jt808
