#pragma once

#include <cstdint>
#include <string>

#include "workstation/remote/shutdown_flags.h"

namespace ostrel {

// What the remote commands need of the running program. Called on the server's thread; every
// call returns at once: work on windows, timers or the lock form is handed to the GUI thread and
// not waited for.
class RemoteWorkstation {
public:
    virtual ~RemoteWorkstation() = default;

    // The tray controller's locked flag: a lock screen was launched and its session has not
    // ended.
    virtual bool LockScreenUp() const = 0;
    // Clock tick of the latest launch, 0 before the first.
    virtual std::int64_t LockStartTick() const = 0;
    // Milliseconds since the last input anywhere in the session; 0 when unknown.
    virtual std::uint32_t SystemIdleMs() const = 0;

    // Starts the tray controller's launch timer: the lock screen comes up.
    virtual void StartLock() = 0;
    // Posts the word into the open lock form's command slot; nothing without a lock form.
    virtual void PostLockCommand(const std::string& word) = 0;
    // A balloon of the tray icon with the information icon, shown for a minute.
    virtual void ShowBalloon(const std::string& title, const std::string& text) = 0;
    // A warning message box on the workstation's screen.
    virtual void ShowWarning(const std::string& text) = 0;
    // Ends the program: a lock session first ends in order.
    virtual void Terminate() = 0;
    virtual void StandBy() = 0;
    virtual void Hibernate() = 0;
    // Runs the script with /bin/sh in its folder, in a terminal window unless hidden. False
    // when it could not be started.
    virtual bool RunUpdateScript(const std::string& path, bool hidden) = 0;
    // Asks the system to power off, reboot or end the session. False when it refused or could
    // not be asked.
    virtual bool ShutdownComputer(const ShutdownRequest& request) = 0;
};

}  // namespace ostrel
