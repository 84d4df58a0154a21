#include "protocol/DeviceProfile.h"

namespace mdvr {

DeviceProfile& TheDeviceProfile() {
    static DeviceProfile profile;
    return profile;
}

}  // namespace mdvr
