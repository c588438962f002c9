#pragma once

#include <cstdint>
#include <functional>

#include "platform/idle_sources.h"

namespace ostrel {

// Bits of the change set that TmcDetectIdle passes to its change handler.
enum IdleChange : unsigned {
    kWorkstationLockChanged = 1,
    kScreenSaverChanged = 2,
    kPowerChanged = 4,
    kApplicationIdleChanged = 8,
    kSystemIdleChanged = 16,
};
using IdleChangeSet = unsigned;

// Idle times, session lock and screen-saver state, and power notifications. With its watch
// timer on, each tick compares the watched states with the remembered ones and reports what
// changed; suspend and resume notifications are reported as they come.
class TmcDetectIdle {
public:
    using ChangeHandler = std::function<void(TmcDetectIdle& sender, IdleChangeSet changes)>;

    static constexpr std::uint32_t kDefaultIdleTime = 300000;

    // The three numeric properties start at the desktop's screen-saver time-out, or at
    // kDefaultIdleTime when its screen saver is off. The session-lock and screen-saver states
    // are remembered as they are now; the timer stays off.
    TmcDetectIdle(const IdleSources& sources, IdleWatchTimer& timer);
    ~TmcDetectIdle();
    TmcDetectIdle(const TmcDetectIdle&) = delete;
    TmcDetectIdle& operator=(const TmcDetectIdle&) = delete;

    std::uint32_t MaxAppIdleTime() const { return maxAppIdleTime_; }
    void SetMaxAppIdleTime(std::uint32_t ms) { maxAppIdleTime_ = ms; }
    std::uint32_t MaxSysIdleTime() const { return maxSysIdleTime_; }
    void SetMaxSysIdleTime(std::uint32_t ms) { maxSysIdleTime_ = ms; }
    std::uint32_t TimerInterval() const { return timerInterval_; }
    // A new value restarts a running timer with it.
    void SetTimerInterval(std::uint32_t ms);
    bool TimerEnabled() const { return timerEnabled_; }
    void SetTimerEnabled(bool enabled);
    void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }

    std::uint32_t SystemIdleTime() const { return sources_.SystemIdleMs(); }
    std::uint32_t ApplicationIdleTime() const { return sources_.ApplicationIdleMs(); }
    bool ApplicationIdle() const { return ApplicationIdleTime() > maxAppIdleTime_; }
    bool SystemIdle() const { return SystemIdleTime() > maxSysIdleTime_; }
    bool WorkstationLocked() const { return sources_.SessionLocked(); }
    bool ScreenSaverRunning() const { return sources_.ScreenSaverRunning(); }
    // Set by a suspend or stand-by notification, cleared by a resume notification.
    bool PowerSuspended() const { return powerSuspended_; }

    // One period of the watch timer.
    void TimerTick();
    // A power-broadcast notification with its event number (platform/sleep_events.h).
    void PowerBroadcast(int event);

private:
    void RestartTimer();
    void RaiseChange(IdleChangeSet changes);

    const IdleSources& sources_;
    IdleWatchTimer& timer_;
    std::uint32_t maxAppIdleTime_;
    std::uint32_t maxSysIdleTime_;
    std::uint32_t timerInterval_;
    bool timerEnabled_ = false;
    ChangeHandler onChange_;

    bool workstationLocked_;
    bool screenSaverRunning_;
    bool applicationIdle_ = false;
    bool systemIdle_ = false;
    bool powerSuspended_ = false;
};

}  // namespace ostrel
