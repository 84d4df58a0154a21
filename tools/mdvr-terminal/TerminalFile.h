#pragma once
// A terminal's parameters served from its terminal file, with the reference host's store code:
// a setting replaces the terminal's parameters only once its file was rewritten.
#include <filesystem>

#include "tools/jt808/TerminalSide.h"
#include "tools/mdvr-host/TerminalStore.h"

namespace mdvr::refhost {

// The store must outlive the terminal side it is given to.
jt808::TerminalSide::Store ServeFile(TerminalStore& store);

}  // namespace mdvr::refhost
