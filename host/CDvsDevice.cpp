#include "host/CDvsDevice.h"

#include <string_view>

namespace mdvr {

namespace {

// A device section counts as a registration when it has at least one of these keys.
constexpr std::wstring_view kDeviceKeys[] = {L"Vehicle", L"Name",   L"Cap9",  L"Cap10",
                                             L"Cap75",   L"Cap110", L"Cap112"};

}  // namespace

CDvsDevice::CDvsDevice(int id, const CHostFile& registry)
    : m_id(id), m_section(L"Device" + std::to_wstring(id)), m_registry(&registry) {}

std::wstring CDvsDevice::Vehicle() const {
    return m_registry->GetString(m_section, L"Vehicle", L"");
}

std::wstring CDvsDevice::Name() const {
    return m_registry->GetString(m_section, L"Name", L"");
}

int CDvsDevice::Capability(int index) const {
    return m_registry->GetInt(m_section, L"Cap" + std::to_wstring(index), 0);
}

bool CDvsDevice::IsRegistered() const {
    for (std::wstring_view key : kDeviceKeys) {
        if (m_registry->HasKey(m_section, key)) return true;
    }
    return false;
}

}  // namespace mdvr
