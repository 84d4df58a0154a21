#pragma once
// Plug-in code on the stack: the exports and every window message or input a dialog handles.
// A host that pumps messages inside a callback can reach the plug-in again from there; work that
// would free what the interrupted code still uses (closing the window, rebuilding its pages)
// waits until the outermost guarded call returns.
#include <functional>

#include "text/LocalFile.h"

namespace mdvr::ui {

class CallGuard {
  public:
    CallGuard();
    ~CallGuard();  // the outermost one runs the deferred work, in order
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;

    // True when more than one guarded call is on the stack (the caller's own guard included).
    static bool Nested();
    // Runs work at once when no guarded call is on the stack, else when the outermost returns.
    static void WhenOutermostReturns(std::function<void()> work);

  private:
    StampRound m_round;  // files' stamps are read once per call
};

}  // namespace mdvr::ui
