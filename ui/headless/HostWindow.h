#pragma once
// A stand-in for the host application's window: what a headless dialog receives as its native
// parent (the HWND a real host would pass).
#include "ui/Types.h"

namespace mdvr::ui {

struct HostWindow {
    Rect rect{0, 0, 1024, 768};  // screen coordinates
    bool visible = true;
    bool maximised = false;
};

}  // namespace mdvr::ui
