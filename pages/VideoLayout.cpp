#include "pages/VideoLayout.h"

#include "protocol/DeviceProfile.h"

namespace mdvr {

bool IsStandardVideoLayout() {
    return TheDeviceProfile().IsVideoVariant();
}

uint8_t VideoFieldVariant() {
    return IsStandardVideoLayout() ? kStandardVideoFields : kShortVideoFields;
}

void GetVideoBatchKind(uint32_t* kind) {
    if (IsStandardVideoLayout()) *kind = kVideoBatchKind;
}

}  // namespace mdvr
