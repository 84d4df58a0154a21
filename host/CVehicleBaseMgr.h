#pragma once
// The host's device registry, backed by HostDevices.ini in the host folder: a section
// "[Device<id>]" per device with Vehicle=, Name= and Cap<index>= entries.
#include <map>
#include <string>

#include "host/CDvsDevice.h"
#include "host/CHostFile.h"

namespace mdvr {

class CVehicleBaseMgr {
  public:
    static CVehicleBaseMgr& Instance();
    CVehicleBaseMgr();

    // The registered device, or null. The object stays valid for the registry's lifetime.
    const CDvsDevice* FindDvsDeviceByID(int id);
    // "<vehicle>(<device name>)", or whichever of the two the registry gives; empty for an
    // unknown device.
    std::wstring GetVehiAndDevName(int id);

  private:
    CHostFile m_file;
    std::map<int, CDvsDevice> m_devices;
};

}  // namespace mdvr
