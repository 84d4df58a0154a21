#pragma once
// The device being configured, as the host described it. Module-wide, zero at load.
#include <cstdint>

namespace mdvr {

struct DeviceProfile {
    int32_t devId = 0;
    int32_t devSubType = 0;
    int32_t devType = 0;
    int32_t protocolType = 0;
    int32_t protocolLevel = 0;
    int32_t modelCode = 0;
    int32_t reserved = 0;

    // The JT/T 1078 video variant: four video pages and the standard video layout.
    bool IsVideoVariant() const { return protocolType == 3 && devType == 6; }
    bool HasSubType(int32_t subType) const { return devType == 6 && devSubType == subType; }
};

DeviceProfile& TheDeviceProfile();

}  // namespace mdvr
