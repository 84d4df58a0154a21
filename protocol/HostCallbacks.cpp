#include "protocol/HostCallbacks.h"

namespace mdvr {

HostCallbacks& TheHostCallbacks() {
    static HostCallbacks callbacks;
    return callbacks;
}

}  // namespace mdvr
