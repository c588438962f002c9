#include "workstation/process/idle_detector.h"

#include <algorithm>

#include "platform/sleep_events.h"

namespace ostrel {
namespace {

// A zero period would make the timer spin; the shortest period a timer gets is 10 ms.
constexpr std::uint32_t kShortestTimerInterval = 10;

// Stores the current value of a watched state and adds its bit when it differs.
void Compare(bool current, bool& remembered, IdleChange bit, IdleChangeSet& changes) {
    if (current == remembered) return;
    remembered = current;
    changes |= bit;
}

}  // namespace

TmcDetectIdle::TmcDetectIdle(const IdleSources& sources, IdleWatchTimer& timer)
    : sources_(sources),
      timer_(timer),
      maxAppIdleTime_(sources.ScreenSaverTimeoutMs().value_or(kDefaultIdleTime)),
      maxSysIdleTime_(maxAppIdleTime_),
      timerInterval_(maxAppIdleTime_),
      workstationLocked_(sources.SessionLocked()),
      screenSaverRunning_(sources.ScreenSaverRunning()) {}

TmcDetectIdle::~TmcDetectIdle() {
    if (timerEnabled_) timer_.Stop();
}

void TmcDetectIdle::SetTimerInterval(std::uint32_t ms) {
    if (ms == timerInterval_) return;
    timerInterval_ = ms;
    RestartTimer();
}

void TmcDetectIdle::SetTimerEnabled(bool enabled) {
    if (enabled == timerEnabled_) return;
    timerEnabled_ = enabled;
    RestartTimer();
}

void TmcDetectIdle::RestartTimer() {
    timer_.Stop();
    if (timerEnabled_) timer_.Start(std::max(timerInterval_, kShortestTimerInterval));
}

void TmcDetectIdle::TimerTick() {
    if (!onChange_) return;
    IdleChangeSet changes = 0;
    Compare(WorkstationLocked(), workstationLocked_, kWorkstationLockChanged, changes);
    Compare(ScreenSaverRunning(), screenSaverRunning_, kScreenSaverChanged, changes);
    Compare(ApplicationIdle(), applicationIdle_, kApplicationIdleChanged, changes);
    Compare(SystemIdle(), systemIdle_, kSystemIdleChanged, changes);
    if (changes != 0) RaiseChange(changes);
}

void TmcDetectIdle::PowerBroadcast(int event) {
    switch (event) {
        case kPowerSuspend:
        case kPowerStandBy:
            powerSuspended_ = true;
            break;
        case kPowerResumeCritical:
        case kPowerResumeSuspend:
        case kPowerResumeStandBy:
        case kPowerResumeAutomatic:
            powerSuspended_ = false;
            break;
        default:
            return;
    }
    if (onChange_) RaiseChange(kPowerChanged);
}

void TmcDetectIdle::RaiseChange(IdleChangeSet changes) {
    // A copy, so that a handler may replace itself.
    const ChangeHandler handler = onChange_;
    handler(*this, changes);
}

}  // namespace ostrel
