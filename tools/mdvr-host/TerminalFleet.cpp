#include "tools/mdvr-host/TerminalFleet.h"

#include <string>

namespace mdvr::refhost {

TerminalStore& TerminalFleet::Terminal(int devId) {
    auto it = m_terminals.find(devId);
    if (it == m_terminals.end()) {
        it = m_terminals.emplace(devId, TerminalStore::Load(FileOf(devId))).first;
    }
    return it->second;
}

std::filesystem::path TerminalFleet::FileOf(int devId) const {
    return m_folder / (std::to_string(devId) + ".terminal");
}

}  // namespace mdvr::refhost
