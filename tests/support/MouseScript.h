#pragma once
// Mouse input on one control as a script: p press, o/i move outside/inside, O/I release
// outside/inside.
#include <string_view>

#include "ui/headless/DialogDriver.h"

namespace mdvr::test {

inline void PlayMouse(ui::DialogDriver& driver, int id, std::string_view script) {
    for (char step : script) {
        if (step == 'p') {
            driver.PressMouse(id);
        } else if (step == 'o' || step == 'i') {
            driver.MoveMouse(id, step == 'i');
        } else {
            driver.ReleaseMouse(id, step == 'I');
        }
    }
}

}  // namespace mdvr::test
