#include "controls/Scaling.h"

#include <cstdint>

#include "ui/IBackend.h"

namespace mdvr {

namespace {

int Scaled(int v, int dpi) {
    return static_cast<int>(static_cast<int64_t>(v) * dpi / kBaseDpi);
}

}  // namespace

int ScaleFullAt(int v, int dpi) {
    return dpi > kBaseDpi ? Scaled(v, dpi) : v;
}

int ScaleHalfAt(int v, int dpi) {
    return dpi > kBaseDpi ? (v + Scaled(v, dpi)) / 2 : v;
}

int ScreenDpi() {
    static const int dpi = ui::Backend().Dpi();
    return dpi;
}

int ScaleFull(int v) {
    return ScaleFullAt(v, ScreenDpi());
}

int ScaleHalf(int v) {
    return ScaleHalfAt(v, ScreenDpi());
}

}  // namespace mdvr
