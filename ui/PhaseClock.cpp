#include "ui/PhaseClock.h"

namespace mdvr::ui {

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kMaxDepth = 16;

constexpr std::array<const char*, PhaseClock::kPhases> kNames{
    "controls", "fonts", "images", "tooltips", "layout", "load", "paint"};

// The UI thread's only: windows are made and painted there.
struct State {
    bool enabled = false;
    PhaseClock::Totals totals{};
    std::array<Phase, kMaxDepth> stack{};
    size_t depth = 0;
    Clock::time_point mark;
    PhaseClock::Sample lastLap;
};

State& TheState() {
    static State state;
    return state;
}

// Charges the time since the last mark to the innermost open phase.
void Charge(State& s, Clock::time_point now) {
    if (s.depth > 0) s.totals[static_cast<size_t>(s.stack[s.depth - 1])] += now - s.mark;
    s.mark = now;
}

}  // namespace

PhaseClock::Scope::Scope(Phase phase) {
    State& s = TheState();
    m_active = s.enabled && s.depth < kMaxDepth;
    if (!m_active) return;
    Charge(s, Clock::now());
    s.stack[s.depth++] = phase;
}

PhaseClock::Scope::~Scope() {
    if (!m_active) return;
    State& s = TheState();
    Charge(s, Clock::now());
    --s.depth;
}

PhaseClock::Lap::Lap() : m_active(TheState().enabled) {
    if (!m_active) return;
    m_start.phases = Read();
    m_start.total = Clock::now().time_since_epoch();
}

PhaseClock::Lap::~Lap() {
    if (!m_active) return;
    State& s = TheState();
    const Totals end = Read();
    s.lastLap.total = Clock::now().time_since_epoch() - m_start.total;
    for (size_t i = 0; i < kPhases; ++i) s.lastLap.phases[i] = end[i] - m_start.phases[i];
}

PhaseClock::Sample PhaseClock::LastLap() {
    return TheState().lastLap;
}

void PhaseClock::Enable(bool enable) {
    TheState().enabled = enable;
}

void PhaseClock::Reset() {
    State& s = TheState();
    s.totals = {};
    s.mark = Clock::now();
}

PhaseClock::Totals PhaseClock::Read() {
    State& s = TheState();
    Charge(s, Clock::now());
    return s.totals;
}

const char* PhaseClock::Name(Phase phase) {
    return kNames[static_cast<size_t>(phase)];
}

}  // namespace mdvr::ui
