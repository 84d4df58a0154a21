#pragma once
// The three callbacks of a host, answered from simulated terminals. Every request is printed;
// every save is printed as the bytes sent and item by item, with each terminal's outcome.
#include <ostream>
#include <span>
#include <vector>

#include "tools/mdvr-host/PluginModule.h"
#include "tools/mdvr-host/TerminalFleet.h"

namespace mdvr::refhost {

class CallbackHost {
  public:
    CallbackHost(TerminalFleet& fleet, std::ostream& out) : m_fleet(fleet), m_out(out) {}

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
    // Applies the list to the terminal and saves its file; prints the outcome.
    bool SaveTo(int devId, std::span<const uint8_t> list);
    // The online terminal of a device, or null after printing why there is none.
    TerminalStore* Reachable(int devId, const char* what);

    TerminalFleet& m_fleet;
    std::ostream& m_out;
    int m_devId = 0;
    std::vector<int> m_targets;
};

}  // namespace mdvr::refhost
