#include "controls/ControlTheme.h"

namespace mdvr {

const ControlTheme& ControlTheme::Current() {
    static const ControlTheme theme;
    return theme;
}

}  // namespace mdvr
