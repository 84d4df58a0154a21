#pragma once
// Capability access for one device of the registry.
#include <optional>

#include "host/CDvsDevice.h"

namespace mdvr {

class CDevFunc {
  public:
    // device may be null (an unknown device): the accessor is then invalid.
    explicit CDevFunc(const CDvsDevice* device);

    bool IsValid() const { return m_device.has_value(); }
    // The capability value at index (9 type, 10 sub-type, 75 model, 110 protocol, 112 protocol
    // level, or any other the registry gives); 0 when invalid or not given.
    int GetDevInt(int index) const;

  private:
    std::optional<CDvsDevice> m_device;
};

}  // namespace mdvr
