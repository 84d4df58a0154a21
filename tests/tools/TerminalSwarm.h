#pragma once
// Simulated terminals in one process, on a thread of their own, connecting to a platform on
// loopback.
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tools/jt808/TerminalSide.h"

namespace mdvr::test {

class TerminalSwarm {
  public:
    TerminalSwarm() = default;
    // Phones 1..count, each keeping a small parameter list in memory, started at once.
    TerminalSwarm(int count, uint16_t port, jt808::Version version) {
        const jt808::Bytes list{1, 0, 0, 0, 0x55, 4, 0, 0, 0, 60};
        for (int phone = 1; phone <= count; ++phone) {
            jt808::TerminalSide::Options options;
            options.phone = std::to_string(phone);
            options.version = version;
            Add(options,
                {[list](const jt808::Bytes&) { return list; },
                 [this](const jt808::Bytes&) {
                     ++m_applied;
                     return true;
                 }},
                port);
        }
        Run();
    }
    ~TerminalSwarm() {
        m_work.reset();
        m_io.stop();
        if (m_thread.joinable()) m_thread.join();
    }

    // Before Run only.
    void Add(const jt808::TerminalSide::Options& options, jt808::TerminalSide::Store store,
             uint16_t port) {
        m_sides.push_back(std::make_unique<jt808::TerminalSide>(m_io, options, std::move(store)));
        m_sides.back()->Connect({asio::ip::address_v4::loopback(), port});
    }
    void Run() {
        m_thread = std::thread([this] { m_io.run(); });
    }
    int Applied() const { return m_applied; }

  private:
    asio::io_context m_io;
    asio::executor_work_guard<asio::io_context::executor_type> m_work{m_io.get_executor()};
    std::vector<std::unique_ptr<jt808::TerminalSide>> m_sides;
    std::atomic<int> m_applied{0};
    std::thread m_thread;
};

}  // namespace mdvr::test
