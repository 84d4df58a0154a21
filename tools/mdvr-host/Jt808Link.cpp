#include "tools/mdvr-host/Jt808Link.h"

namespace mdvr::refhost {
namespace {

jt808::Platform::Done Adapt(TerminalLink::Done done, std::string confirmed) {
    return [done = std::move(done), confirmed = std::move(confirmed)](
               std::optional<jt808::Bytes> list, const std::string& why) {
        done(list ? LinkAnswer{true, std::move(*list), confirmed} : LinkAnswer{false, {}, why});
    };
}

}  // namespace

Jt808Link::Jt808Link(const asio::ip::tcp::endpoint& listen, std::set<int> devIds,
                     std::ostream& log)
    : m_devIds(std::move(devIds)),
      m_platform(m_io, listen,
                 {std::chrono::seconds(10),
                  [this](const std::string& key) {
                      return key.size() < 10 && m_devIds.contains(std::stoi(key));
                  },
                  &log}) {}

size_t Jt808Link::AwaitTerminals(size_t count, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_platform.ReadyCount() < count && std::chrono::steady_clock::now() < deadline) {
        m_io.run_for(std::chrono::milliseconds(10));
    }
    return m_platform.ReadyCount();
}

void Jt808Link::Get(int devId, const std::optional<Bytes>& query, Done done) {
    m_platform.Query(std::to_string(devId), query.value_or(Bytes{}),
                     Adapt(std::move(done), "answered"));
}

void Jt808Link::Set(int devId, const Bytes& list, Done done) {
    m_platform.Set(std::to_string(devId), list, Adapt(std::move(done), "the terminal saved it"));
}

}  // namespace mdvr::refhost
