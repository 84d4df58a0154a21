#pragma once
// The three callbacks through which the host carries parameter lists, with their user values.
#include "mdvr808.h"

namespace mdvr {

struct HostCallbacks {
    MDVR_ConfigSetFunc setFunc = nullptr;
    void* setSecond = nullptr;  // handed over by the host, never read
    void* setUser = nullptr;
    MDVR_ConfigGetFunc getFunc = nullptr;
    void* getUser = nullptr;
    MDVR_ConfigMultiSetFunc multiSetFunc = nullptr;
    void* multiSetUser = nullptr;
};

HostCallbacks& TheHostCallbacks();

}  // namespace mdvr
