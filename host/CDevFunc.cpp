#include "host/CDevFunc.h"

namespace mdvr {

CDevFunc::CDevFunc(const CDvsDevice* device) {
    if (device != nullptr) m_device = *device;
}

int CDevFunc::GetDevInt(int index) const {
    return m_device ? m_device->Capability(index) : 0;
}

}  // namespace mdvr
