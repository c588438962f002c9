#pragma once

#include <cstdint>

namespace ostrel {

inline constexpr const char* kIdleWarningTitle = "One minute to lockdown";
inline constexpr const char* kIdleWarningText =
    "The computer is idle. Ostrel will automatically activate in 60 seconds unless the keyboard "
    "or mouse is moved.";
inline constexpr int kIdleWarningShowMs = 10000;

// The warning is shown while the time left before the lock is in (kWarningFloorMs,
// kWarningCeilingMs]: 1.1 s wide, so a one-second watch shows it once.
inline constexpr std::int64_t kWarningCeilingMs = 60000;
inline constexpr std::int64_t kWarningFloorMs = 58900;

// What one tick of the idle watch sees.
struct IdleWatchInput {
    bool idleLock = false;
    int lockTimeSeconds = 0;
    std::uint32_t idleMs = 0;
    bool balloonShown = false;
    bool lockScreenUp = false;
};

// What the tick does: at most one of showWarning and hideBalloon; lock implies hideBalloon.
struct IdleWatchStep {
    bool showWarning = false;
    bool hideBalloon = false;
    bool lock = false;

    friend bool operator==(const IdleWatchStep&, const IdleWatchStep&) = default;
};

// One tick of the idle watch. The warning comes once as the idle time passes a minute before
// the lock time (not again while it is up) and goes when input returns; the lock comes once the
// idle time reaches the lock time, unless a lock screen is up already.
IdleWatchStep IdleWatchTick(const IdleWatchInput& input);

}  // namespace ostrel
