#include "protocol/ParamCache.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace mdvr {

namespace {

uint32_t SystemTick() {
#ifdef _WIN32
    return static_cast<uint32_t>(GetTickCount());
#else
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
#endif
}

TickSource g_tickSource = SystemTick;

}  // namespace

ParamCache& TheParamCache() {
    static ParamCache cache;
    return cache;
}

void SetTickSource(TickSource source) {
    g_tickSource = source != nullptr ? source : SystemTick;
}

uint32_t CurrentTick() {
    return g_tickSource();
}

}  // namespace mdvr
