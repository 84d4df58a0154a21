#pragma once
// A platform on loopback and terminals connecting to it, run on the test's own thread.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/jt808/Platform.h"
#include "tools/jt808/TerminalSide.h"

namespace mdvr::jt808 {

using namespace std::chrono_literals;

inline Bytes ListOf(size_t items, size_t valueSize) {
    Bytes list{static_cast<uint8_t>(items)};
    for (size_t i = 0; i < items; ++i) {
        const Bytes item{0x00, 0x00, 0xF0, static_cast<uint8_t>(i),
                         static_cast<uint8_t>(valueSize)};
        list.insert(list.end(), item.begin(), item.end());
        list.insert(list.end(), valueSize, static_cast<uint8_t>(0x7E - i));  // escapes too
    }
    return list;
}

struct Answer {
    bool arrived = false;
    std::optional<Bytes> list;
    std::string why;
};

class LinkFixture : public ::testing::Test {
  protected:
    static constexpr std::chrono::milliseconds kReassemblyTimeout{300};

    struct Terminal {
        Bytes list;
        Bytes applied;
        std::unique_ptr<TerminalSide> side;
    };

    // port: where the terminal connects, the platform's when 0.
    Terminal& Start(const std::string& phone, Version version,
                    TerminalSide::Fault fault = TerminalSide::Fault::None,
                    Bytes list = ListOf(3, 4), uint16_t port = 0) {
        auto terminal = std::make_unique<Terminal>();
        Terminal* t = terminal.get();
        t->list = std::move(list);
        TerminalSide::Options options{phone, version, 1000ms, 1000, fault, 0ms, &m_log,
                                      kReassemblyTimeout};
        t->side = std::make_unique<TerminalSide>(
            m_io, options,
            TerminalSide::Store{[t](const Bytes&) { return std::optional<Bytes>(t->list); },
                                [t](const Bytes& list) {
                                    t->applied = list;
                                    return true;
                                }});
        t->side->Connect({asio::ip::address_v4::loopback(), port ? port : m_platform.Port()});
        m_terminals.push_back(std::move(terminal));
        return *t;
    }

    template <typename Pred>
    bool RunUntil(Pred pred, std::chrono::milliseconds limit = 2000ms) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!pred() && std::chrono::steady_clock::now() < deadline) m_io.run_for(5ms);
        return pred();
    }

    Platform::Done Into(Answer& answer) {
        return [&answer](std::optional<Bytes> list, const std::string& why) {
            answer = {true, std::move(list), why};
        };
    }

    std::ostringstream m_log;
    asio::io_context m_io;
    Platform m_platform{
        m_io,
        {asio::ip::address_v4::loopback(), 0},
        {kReassemblyTimeout, [](const std::string& key) { return key != "999"; }, &m_log}};
    std::vector<std::unique_ptr<Terminal>> m_terminals;
};

}  // namespace mdvr::jt808
