#pragma once
// The module-wide cache that lets several pages share one fetch. Zero at load; survives closing
// and reopening the window.
#include <cstdint>

#include "mdvr808.h"

namespace mdvr {

// Milliseconds since boot, truncated to 32 bits.
using TickSource = uint32_t (*)();

struct ParamCache {
    MDVR_ParamBuffer mainSlot{};   // last list fetched with command 0
    MDVR_ParamBuffer querySlot{};  // last list fetched with a query of specified parameters
    uint32_t stamp = 0;            // tick of the last fetch attempt; 0 = never fetched
};

ParamCache& TheParamCache();

// The tick counter the stamps come from; tests install their own, nullptr restores the
// system's (GetTickCount on Windows, CLOCK_MONOTONIC elsewhere).
void SetTickSource(TickSource source);
uint32_t CurrentTick();

}  // namespace mdvr
