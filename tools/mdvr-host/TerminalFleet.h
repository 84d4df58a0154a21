#pragma once
// The simulated terminals of one host: device ID -> TerminalStore read from
// "<folder>/<device ID>.terminal" on first use.
#include <filesystem>
#include <map>

#include "tools/mdvr-host/TerminalStore.h"

namespace mdvr::refhost {

class TerminalFleet {
  public:
    explicit TerminalFleet(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    // Throws TerminalFileError when the terminal's file is missing or malformed.
    TerminalStore& Terminal(int devId);
    std::filesystem::path FileOf(int devId) const;

  private:
    std::filesystem::path m_folder;
    std::map<int, TerminalStore> m_terminals;
};

}  // namespace mdvr::refhost
