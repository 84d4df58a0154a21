#include "pages/VideoLayout.h"

#include "protocol/DeviceProfile.h"

namespace mdvr {

bool IsStandardVideoLayout() {
    return TheDeviceProfile().IsVideoVariant();
}

void GetVideoBatchKind(uint32_t* kind) {
    if (IsStandardVideoLayout()) *kind = kVideoBatchKind;
}

}  // namespace mdvr
