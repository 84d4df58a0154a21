#pragma once
// Stand-ins for the plug-in's three setter exports: they keep the callbacks a host installs, so
// a test calls them as the plug-in would.
#include <cstring>
#include <vector>

#include "tools/mdvr-host/PluginModule.h"

namespace mdvr::test {

using refhost::PluginExports;

struct Installed {
    MDVR_ConfigSetFunc set = nullptr;
    MDVR_ConfigGetFunc get = nullptr;
    MDVR_ConfigMultiSetFunc multi = nullptr;
    void* user = nullptr;

    int Set(const std::vector<uint8_t>& list) const {
        MDVR_ParamBufferSmall request{}, reply{};
        std::memcpy(request.bytes, list.data(), list.size());
        request.length = static_cast<uint32_t>(list.size());
        return set(MDVR_CMD_SET, &request, &reply, user);
    }
    int MultiSet(const std::vector<uint8_t>& list) const {
        MDVR_BatchSetRecord record{};
        record.kind = 0x45;
        MDVR_ParamBuffer buffer{};
        std::memcpy(buffer.bytes, list.data(), list.size());
        buffer.length = static_cast<uint32_t>(list.size());
        return multi(&record, &buffer, user);
    }
};

inline Installed g_installed;

inline void MDVR_CALL TakeSet(MDVR_ConfigSetFunc f, void*, void* user) {
    g_installed.set = f;
    g_installed.user = user;
}
inline void MDVR_CALL TakeGet(MDVR_ConfigGetFunc f, void*) {
    g_installed.get = f;
}
inline void MDVR_CALL TakeMulti(MDVR_ConfigMultiSetFunc f, void*) {
    g_installed.multi = f;
}

inline PluginExports CapturingExports() {
    PluginExports exports{};
    exports.SetConfigFunction = &TakeSet;
    exports.SetConfigFunctionEx = &TakeGet;
    exports.SetConfigFuncMutli = &TakeMulti;
    return exports;
}

}  // namespace mdvr::test
