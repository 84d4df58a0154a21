#pragma once
// Terminals kept in files (TerminalFleet): every answer is ready at once.
#include "tools/mdvr-host/TerminalFleet.h"
#include "tools/mdvr-host/TerminalLink.h"

namespace mdvr::refhost {

class FileLink : public TerminalLink {
  public:
    explicit FileLink(TerminalFleet& fleet) : m_fleet(fleet) {}

    void Get(int devId, const std::optional<Bytes>& query, Done done) override;
    void Set(int devId, const Bytes& list, Done done) override;
    void Wait(std::chrono::milliseconds) override {}
    const TerminalStore* Types(int devId) override;

  private:
    TerminalFleet& m_fleet;
};

}  // namespace mdvr::refhost
