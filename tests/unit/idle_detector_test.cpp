#include "workstation/process/idle_detector.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake/fake_idle_sources.h"
#include "platform/sleep_events.h"
#include "workstation/process/idle_change_log.h"

namespace ostrel {
namespace {

// A detector over fake readings whose change handler records every change set.
class IdleDetectorTest : public testing::Test {
protected:
    void Create() {
        detector_.emplace(sources_, timer_);
        detector_->SetOnChange([this](TmcDetectIdle& sender, IdleChangeSet changes) {
            EXPECT_EQ(&sender, &*detector_);
            reported_.push_back(changes);
        });
    }

    FakeIdleSources sources_;
    RecordingIdleWatchTimer timer_;
    std::optional<TmcDetectIdle> detector_;
    std::vector<IdleChangeSet> reported_;
};

TEST_F(IdleDetectorTest, NumericPropertiesStartAtTheScreenSaverTimeOut) {
    struct Case {
        std::optional<std::uint32_t> timeout;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{std::nullopt, 300000}, Case{600000, 600000}, Case{60000, 60000}}) {
        sources_.screenSaverTimeoutMs = c.timeout;
        Create();
        EXPECT_EQ(detector_->MaxAppIdleTime(), c.expected);
        EXPECT_EQ(detector_->MaxSysIdleTime(), c.expected);
        EXPECT_EQ(detector_->TimerInterval(), c.expected);
        EXPECT_FALSE(detector_->TimerEnabled());
        EXPECT_FALSE(detector_->PowerSuspended());
    }
    EXPECT_TRUE(timer_.calls.empty());
}

TEST_F(IdleDetectorTest, TickReportsEachWatchedStateThatChanged) {
    struct Case {
        const char* name;
        bool locked;
        bool saver;
        std::uint32_t appIdle;
        std::uint32_t sysIdle;
        IdleChangeSet expected;
    };
    const Case cases[] = {
        {"nothing", false, false, 2000, 2000, 0},
        {"locked", true, false, 0, 0, kWorkstationLockChanged},
        {"saver", false, true, 0, 0, kScreenSaverChanged},
        {"application idle", false, false, 2001, 0, kApplicationIdleChanged},
        {"system idle", false, false, 0, 2001, kSystemIdleChanged},
        {"all", true, true, 5000, 5000,
         kWorkstationLockChanged | kScreenSaverChanged | kApplicationIdleChanged |
             kSystemIdleChanged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sources_ = {};
        reported_.clear();
        Create();
        detector_->SetMaxAppIdleTime(2000);
        detector_->SetMaxSysIdleTime(2000);
        sources_.sessionLocked = c.locked;
        sources_.screenSaverRunning = c.saver;
        sources_.applicationIdleMs = c.appIdle;
        sources_.systemIdleMs = c.sysIdle;
        detector_->TimerTick();
        detector_->TimerTick();  // the states are remembered: a second tick reports nothing
        EXPECT_EQ(reported_, c.expected ? std::vector<IdleChangeSet>{c.expected}
                                        : std::vector<IdleChangeSet>{});
    }
}

TEST_F(IdleDetectorTest, LockAndSaverStatesAreTakenAtCreation) {
    sources_.sessionLocked = true;
    sources_.screenSaverRunning = true;
    Create();
    detector_->TimerTick();
    EXPECT_TRUE(reported_.empty());

    sources_.sessionLocked = false;
    sources_.screenSaverRunning = false;
    detector_->TimerTick();
    EXPECT_EQ(reported_, std::vector<IdleChangeSet>{kWorkstationLockChanged | kScreenSaverChanged});
}

TEST_F(IdleDetectorTest, ReturnToActivityIsAChangeToo) {
    Create();
    detector_->SetMaxSysIdleTime(1000);
    sources_.systemIdleMs = 1500;
    detector_->TimerTick();
    sources_.systemIdleMs = 20;
    detector_->TimerTick();
    EXPECT_EQ(reported_, (std::vector<IdleChangeSet>{kSystemIdleChanged, kSystemIdleChanged}));
    EXPECT_FALSE(detector_->SystemIdle());
}

TEST_F(IdleDetectorTest, TickWithoutHandlerLeavesTheRememberedStates) {
    Create();
    detector_->SetOnChange(nullptr);
    sources_.sessionLocked = true;
    detector_->TimerTick();
    detector_->SetOnChange(
        [this](TmcDetectIdle&, IdleChangeSet changes) { reported_.push_back(changes); });
    detector_->TimerTick();
    EXPECT_EQ(reported_, std::vector<IdleChangeSet>{kWorkstationLockChanged});
}

TEST_F(IdleDetectorTest, HandlerMayReplaceItselfWhileRunning) {
    Create();
    // The handler still uses its capture after replacing itself.
    const std::string capture = "a capture too long to be stored inside the function object";
    std::vector<std::string> seen;
    detector_->SetOnChange([capture, &seen](TmcDetectIdle& sender, IdleChangeSet) {
        sender.SetOnChange(nullptr);
        seen.push_back(capture);
    });
    detector_->PowerBroadcast(kPowerSuspend);
    detector_->PowerBroadcast(kPowerResumeSuspend);
    EXPECT_EQ(seen, std::vector<std::string>{capture});
}

TEST_F(IdleDetectorTest, MissingSystemIdleSourceNeverCountsAsIdle) {
    sources_.systemIdleMs = 0;  // what a session without a last-input source reports
    Create();
    detector_->SetMaxSysIdleTime(0);
    detector_->TimerTick();
    EXPECT_EQ(detector_->SystemIdleTime(), 0u);
    EXPECT_FALSE(detector_->SystemIdle());
    EXPECT_TRUE(reported_.empty());
}

TEST_F(IdleDetectorTest, IdleTimesComeFromTheSources) {
    sources_.systemIdleMs = 300000;
    sources_.applicationIdleMs = 4000000000u;
    Create();
    EXPECT_EQ(detector_->SystemIdleTime(), 300000u);
    EXPECT_EQ(detector_->ApplicationIdleTime(), 4000000000u);
    EXPECT_TRUE(detector_->ApplicationIdle());
}

TEST_F(IdleDetectorTest, PowerNotificationsSetAndClearSuspended) {
    struct Case {
        int event;
        bool reported;
        bool suspendedAfter;  // starting from suspended = true for resumes, false otherwise
    };
    const Case cases[] = {
        {kPowerSuspend, true, true},
        {kPowerStandBy, true, true},
        {kPowerResumeCritical, true, false},
        {kPowerResumeSuspend, true, false},
        {kPowerResumeStandBy, true, false},
        {kPowerResumeAutomatic, true, false},
        {kPowerQuerySuspendFailed, false, true},
        {kPowerBatteryLow, false, true},
        {10, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        reported_.clear();
        Create();
        detector_->PowerBroadcast(kPowerSuspend);
        reported_.clear();
        detector_->PowerBroadcast(c.event);
        EXPECT_EQ(detector_->PowerSuspended(), c.suspendedAfter);
        EXPECT_EQ(reported_, c.reported ? std::vector<IdleChangeSet>{kPowerChanged}
                                        : std::vector<IdleChangeSet>{});
    }
}

TEST_F(IdleDetectorTest, PowerStateIsKeptWithoutHandlerAndTicksLeaveIt) {
    Create();
    detector_->SetOnChange(nullptr);
    detector_->PowerBroadcast(kPowerSuspend);
    EXPECT_TRUE(detector_->PowerSuspended());
    detector_->TimerTick();
    EXPECT_TRUE(detector_->PowerSuspended());
}

TEST_F(IdleDetectorTest, TimerRestartsOnlyOnNewValues) {
    Create();
    detector_->SetTimerInterval(1000);  // off: stopped again, not started
    detector_->SetTimerEnabled(true);
    detector_->SetTimerEnabled(true);
    detector_->SetTimerInterval(1000);
    detector_->SetTimerInterval(250);
    detector_->SetTimerInterval(0);  // a zero period would spin
    detector_->SetTimerEnabled(false);
    EXPECT_EQ(timer_.calls, (std::vector<std::string>{"stop", "stop", "start 1000", "stop",
                                                      "start 250", "stop", "start 10", "stop"}));
}

TEST_F(IdleDetectorTest, DestructionStopsARunningTimer) {
    Create();
    detector_->SetTimerEnabled(true);
    timer_.calls.clear();
    detector_.reset();
    EXPECT_EQ(timer_.calls, std::vector<std::string>{"stop"});
}

TEST_F(IdleDetectorTest, ChangeLogLinesFollowTheCurrentStates) {
    struct Case {
        IdleChangeSet changes;
        bool saver;
        bool locked;
        bool suspend;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {kScreenSaverChanged, true, false, false, {"ScreenSaver Started"}},
        {kScreenSaverChanged, false, false, false, {"ScreenSaver Stopped"}},
        {kWorkstationLockChanged, false, true, false, {"Workstation Locked"}},
        {kWorkstationLockChanged, false, false, false, {"Workstation Unlocked"}},
        {kPowerChanged, false, false, true, {"Power Suspended"}},
        {kPowerChanged, false, false, false, {"Power Resumed"}},
        {kApplicationIdleChanged | kSystemIdleChanged, true, true, true, {}},
        {kPowerChanged | kWorkstationLockChanged | kScreenSaverChanged,
         true,
         true,
         true,
         {"ScreenSaver Started", "Workstation Locked", "Power Suspended"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.changes);
        Create();
        sources_.screenSaverRunning = c.saver;
        sources_.sessionLocked = c.locked;
        detector_->PowerBroadcast(c.suspend ? kPowerSuspend : kPowerResumeSuspend);
        EXPECT_EQ(IdleChangeLogLines(*detector_, c.changes), c.expected);
    }
}

}  // namespace
}  // namespace ostrel
