#pragma once
// The module's application object: created when the module loads, destroyed when it unloads.
#include "mdvr808.h"

namespace mdvr {

class CTarnwick_808App {
  public:
    CTarnwick_808App() = default;
    ~CTarnwick_808App();  // the language table lives until the module unloads
    CTarnwick_808App(const CTarnwick_808App&) = delete;
    CTarnwick_808App& operator=(const CTarnwick_808App&) = delete;

    static CTarnwick_808App& Instance();

    // Standard pre-translation of a host message: the open window's dialog handling.
    bool PreTranslateMessage(MDVR_MSG& msg);
};

}  // namespace mdvr
