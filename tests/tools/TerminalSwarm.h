#pragma once
// Many simulated terminals in one process, on a thread of their own, each keeping a small
// parameter list in memory: phones 1..count connect to a platform on loopback.
#include <atomic>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tools/jt808/TerminalSide.h"

namespace mdvr::test {

class TerminalSwarm {
  public:
    TerminalSwarm(int count, uint16_t port, jt808::Version version) {
        const jt808::Bytes list{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 60};
        for (int phone = 1; phone <= count; ++phone) {
            jt808::TerminalSide::Options options;
            options.phone = std::to_string(phone);
            options.version = version;
            m_sides.push_back(std::make_unique<jt808::TerminalSide>(
                m_io, options,
                jt808::TerminalSide::Store{[list](const jt808::Bytes&) { return list; },
                                           [this](const jt808::Bytes&) {
                                               ++m_applied;
                                               return true;
                                           }}));
            m_sides.back()->Connect({asio::ip::address_v4::loopback(), port});
        }
        m_thread = std::thread([this] { m_io.run(); });
    }
    ~TerminalSwarm() {
        m_work.reset();
        m_io.stop();
        m_thread.join();
    }
    TerminalSwarm(const TerminalSwarm&) = delete;
    TerminalSwarm& operator=(const TerminalSwarm&) = delete;

    int Applied() const { return m_applied; }

  private:
    asio::io_context m_io;
    asio::executor_work_guard<asio::io_context::executor_type> m_work{m_io.get_executor()};
    std::vector<std::unique_ptr<jt808::TerminalSide>> m_sides;
    std::atomic<int> m_applied{0};
    std::thread m_thread;
};

}  // namespace mdvr::test
