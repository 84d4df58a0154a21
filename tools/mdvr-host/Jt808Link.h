#pragma once
// Terminals reached over JT/T 808: the host listens as the platform and terminals connect to
// it. Device ID N is the terminal whose phone number is N (leading zeros aside).
#include <set>

#include "tools/jt808/Platform.h"
#include "tools/mdvr-host/TerminalLink.h"

namespace mdvr::refhost {

class Jt808Link : public TerminalLink {
  public:
    // devIds: the registry's devices; other terminals are refused at registration.
    Jt808Link(const asio::ip::tcp::endpoint& listen, std::set<int> devIds, std::ostream& log);

    uint16_t Port() const { return m_platform.Port(); }
    // Waits until count terminals authenticated or the time-out passed; how many did.
    size_t AwaitTerminals(size_t count, std::chrono::milliseconds timeout);

    void Get(int devId, const std::optional<Bytes>& query, Done done) override;
    void Set(int devId, const Bytes& list, Done done) override;
    void Wait(std::chrono::milliseconds slice) override { m_io.run_for(slice); }
    const TerminalStore* Types(int) override { return nullptr; }

  private:
    asio::io_context m_io;
    std::set<int> m_devIds;
    jt808::Platform m_platform;
};

}  // namespace mdvr::refhost
