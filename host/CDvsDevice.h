#pragma once
// One device of the host's registry: its ID and where its entries live in the registry file.
#include <string>

#include "host/CHostFile.h"

namespace mdvr {

class CDvsDevice {
  public:
    CDvsDevice(int id, const CHostFile& registry);

    int Id() const { return m_id; }
    std::wstring Vehicle() const;
    std::wstring Name() const;
    // The integer capability at index (key "Cap<index>"), 0 when the registry gives none.
    int Capability(int index) const;
    // Whether the registry has an entry for this device at all.
    bool IsRegistered() const;

  private:
    int m_id;
    std::wstring m_section;
    const CHostFile* m_registry;
};

}  // namespace mdvr
