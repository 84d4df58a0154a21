#pragma once
// How the host reaches a device's terminal. Backends sit side by side (terminal files, a
// JT/T 808 link); the callbacks' waiting, time-outs and multi-device fan-out stay above this
// interface, so a backend only starts requests and lets their answers arrive.
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "tools/mdvr-host/ParamValue.h"

namespace mdvr::refhost {

class TerminalStore;

struct LinkAnswer {
    bool ok = false;
    Bytes list;        // the parameter list of a get
    std::string note;  // what happened, for the console
};

class TerminalLink {
  public:
    using Done = std::function<void(LinkAnswer)>;

    virtual ~TerminalLink() = default;
    // query: a query list, or nullopt for every parameter. done may run before Get returns.
    virtual void Get(int devId, const std::optional<Bytes>& query, Done done) = 0;
    virtual void Set(int devId, const Bytes& list, Done done) = 0;
    // Lets answers arrive for at most slice.
    virtual void Wait(std::chrono::milliseconds slice) = 0;
    // The terminal's parameter types, to print a list with; null when unknown.
    virtual const TerminalStore* Types(int devId) = 0;
};

}  // namespace mdvr::refhost
