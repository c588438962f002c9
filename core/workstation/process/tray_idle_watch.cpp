#include "workstation/process/tray_idle_watch.h"

namespace ostrel {

IdleWatchStep IdleWatchTick(const IdleWatchInput& input) {
    IdleWatchStep step;
    if (!input.idleLock) return step;
    const std::int64_t lockMs = static_cast<std::int64_t>(input.lockTimeSeconds) * 1000;
    const std::int64_t idleMs = input.idleMs;
    const std::int64_t remaining = lockMs - idleMs;
    if (remaining <= kWarningCeilingMs && remaining > kWarningFloorMs) {
        // Two ticks may fall into the window; the warning shows at the first.
        step.showWarning = !input.balloonShown;
    } else if (input.balloonShown && remaining > kWarningCeilingMs) {
        step.hideBalloon = true;  // input came back
    }
    if (idleMs < lockMs || input.lockScreenUp) return step;
    step.showWarning = false;
    step.hideBalloon = true;
    step.lock = true;
    return step;
}

}  // namespace ostrel
