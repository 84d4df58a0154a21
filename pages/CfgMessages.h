#pragma once
// Private messages about parameter operations: the main window tells the status panel when an
// operation begins and ends, a hosted page tells the popup container it is done. The values are
// the ones the window messages always had.
#include <cstdint>

namespace mdvr {

constexpr uint32_t WM_CFG_SET_BEGIN = 0x1400;
constexpr uint32_t WM_CFG_SET_END = 0x1401;
constexpr uint32_t WM_CFG_GET_BEGIN = 0x1402;
constexpr uint32_t WM_CFG_GET_END = 0x1403;
constexpr uint32_t WM_CFG_POPUP_END = 0x1405;
constexpr uint32_t WM_CFG_MULTISET_BEGIN = 0x1406;
constexpr uint32_t WM_CFG_MULTISET_END = 0x1407;

// wParam of the operations that read every parameter rather than one page's.
constexpr intptr_t kAllPages = -1;

}  // namespace mdvr
