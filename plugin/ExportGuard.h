#pragma once
// Export bodies run inside these guards: no exception may reach the host across the C ABI.

namespace mdvr {

template <class Result, class Body>
Result NoThrow(Result fallback, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

template <class Body>
void NoThrow(Body&& body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

}  // namespace mdvr
