#pragma once
// Where the time of opening a window goes: code marks its phases with a Scope, and a timing
// program reads the totals. A nested phase pauses the one around it, so totals never overlap.
// Off unless a timing program enables it; then one clock read per scope boundary.
#include <array>
#include <chrono>
#include <cstddef>

namespace mdvr::ui {

enum class Phase { kControls, kFonts, kImages, kTooltips, kLayout, kLoad, kPaint, kCount };

class PhaseClock {
  public:
    static constexpr size_t kPhases = static_cast<size_t>(Phase::kCount);
    using Totals = std::array<std::chrono::nanoseconds, kPhases>;

    class Scope {
      public:
        explicit Scope(Phase phase);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        bool m_active;
    };

    // One span of work with its breakdown, e.g. the making of one page.
    struct Sample {
        std::chrono::nanoseconds total{};
        Totals phases{};
    };
    // Records its span as the last lap when it ends.
    class Lap {
      public:
        Lap();
        ~Lap();
        Lap(const Lap&) = delete;
        Lap& operator=(const Lap&) = delete;

      private:
        bool m_active;
        Sample m_start;
    };

    static void Enable(bool enable);
    // Zeroes the totals; scopes open at that moment keep counting from now.
    static void Reset();
    static Totals Read();
    static Sample LastLap();
    static const char* Name(Phase phase);
};

}  // namespace mdvr::ui
