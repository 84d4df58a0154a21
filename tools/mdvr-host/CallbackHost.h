#pragma once
// The three callbacks of a host, answered through a TerminalLink. Every request is printed;
// every save is printed as the bytes sent and item by item, with each terminal's outcome. A
// callback waits for its answers at most the time-out (a multi-device save waits for all its
// terminals at once), pumping the window's messages and printing how many terminals are done
// every progress interval meanwhile.
#include <chrono>
#include <ostream>
#include <span>
#include <vector>

#include "tools/mdvr-host/PluginModule.h"
#include "tools/mdvr-host/TerminalLink.h"

namespace mdvr::refhost {

class CallbackHost {
  public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{5000};
    static constexpr std::chrono::milliseconds kDefaultProgressEvery{1000};

    CallbackHost(TerminalLink& link, std::ostream& out,
                 std::chrono::milliseconds timeout = kDefaultTimeout,
                 std::chrono::milliseconds progressEvery = kDefaultProgressEvery)
        : m_link(link), m_out(out), m_timeout(timeout), m_progressEvery(progressEvery) {}

    void Install(const PluginExports& plugin);
    void SetDevice(int devId) { m_devId = devId; }
    // The devices a multi-device save goes to.
    void SetTargets(std::vector<int> devIds) { m_targets = std::move(devIds); }

  private:
    static int MDVR_CALL OnGet(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                               void* user);
    static int MDVR_CALL OnSet(int command, MDVR_ParamBufferSmall* request,
                               MDVR_ParamBufferSmall* reply, void* user);
    static int MDVR_CALL OnMultiSet(MDVR_BatchSetRecord* record, MDVR_ParamBuffer* list,
                                    void* user);

    bool Get(int command, const MDVR_ParamBuffer& request, MDVR_ParamBuffer& reply);
    bool Set(std::span<const uint8_t> list);
    bool MultiSet(const MDVR_BatchSetRecord& record, std::span<const uint8_t> list);
    // Sends the list to every device at once; each one's answer, a time-out when none came.
    std::vector<LinkAnswer> SaveTo(const std::vector<int>& devIds, std::span<const uint8_t> list);
    std::vector<LinkAnswer> Await(std::vector<int> devIds,
                                  const std::function<void(int, TerminalLink::Done)>& start);

    TerminalLink& m_link;
    std::ostream& m_out;
    std::chrono::milliseconds m_timeout;
    std::chrono::milliseconds m_progressEvery;
    int m_devId = 0;
    std::vector<int> m_targets;
};

}  // namespace mdvr::refhost
