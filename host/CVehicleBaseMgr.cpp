#include "host/CVehicleBaseMgr.h"

namespace mdvr {

CVehicleBaseMgr& CVehicleBaseMgr::Instance() {
    static CVehicleBaseMgr instance;
    return instance;
}

CVehicleBaseMgr::CVehicleBaseMgr() : m_file(L"HostDevices.ini") {}

const CDvsDevice* CVehicleBaseMgr::FindDvsDeviceByID(int id) {
    const CDvsDevice& device = m_devices.try_emplace(id, id, m_file).first->second;
    return device.IsRegistered() ? &device : nullptr;
}

std::wstring CVehicleBaseMgr::GetVehiAndDevName(int id) {
    const CDvsDevice* device = FindDvsDeviceByID(id);
    if (device == nullptr) return {};
    std::wstring vehicle = device->Vehicle();
    std::wstring name = device->Name();
    if (vehicle.empty() || name.empty()) return vehicle + name;
    return vehicle + L"(" + name + L")";
}

}  // namespace mdvr
