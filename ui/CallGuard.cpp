#include "ui/CallGuard.h"

#include <deque>

namespace mdvr::ui {

namespace {

// One UI thread: the host calls the plug-in from its user-interface thread only.
int g_depth = 0;

std::deque<std::function<void()>>& Deferred() {
    static std::deque<std::function<void()>> deferred;
    return deferred;
}

// Depth stays at one meanwhile, so guards inside the work (messages of a dying window) queue
// behind it instead of running it again.
void RunDeferred() noexcept {
    auto& deferred = Deferred();
    while (!deferred.empty()) {
        const std::function<void()> work = std::move(deferred.front());
        deferred.pop_front();
        try {
            work();
        } catch (...) {  // nothing may escape towards the host
        }
    }
}

}  // namespace

CallGuard::CallGuard() {
    ++g_depth;
}

CallGuard::~CallGuard() {
    if (g_depth == 1) RunDeferred();
    --g_depth;
}

bool CallGuard::Nested() {
    return g_depth > 1;
}

void CallGuard::WhenOutermostReturns(std::function<void()> work) {
    if (g_depth == 0) {
        work();
        return;
    }
    Deferred().push_back(std::move(work));
}

}  // namespace mdvr::ui
