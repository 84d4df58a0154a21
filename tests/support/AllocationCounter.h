#pragma once
// Counts the global operator new calls of the executable that links AllocationCounter.cpp,
// which replaces the global allocation functions; proves a path runs without the heap.
#include <cstdint>

namespace mdvr::test {

uint64_t AllocationCount();

}  // namespace mdvr::test
