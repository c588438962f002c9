#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/authorization.h"
#include "common/event_log.h"
#include "common/security_event_reporter.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "workstation/lock/command_slot.h"
#include "workstation/lock/lock_session_parts.h"

namespace ostrel {

// One lock session from `Startup` to `Shutdown`: the order of its steps, their texts and the
// measures they apply and undo. Runs on the GUI thread; the command slot is the only way in from
// other threads.
class LockSession {
public:
    LockSession(EventLog& log, OstrelSettingsStore& settings, const Clock& clock,
                const Authenticator& authenticator, const SecurityEventReporter& reporter,
                LockFormView& view, LockdownDesktop& desktop, TrayLink& tray, SessionStart start);

    void Startup();
    void OstrelSettingsApply();
    void Shutdown();
    void MarkLocked();
    void MarkUnlocked();

    // The credentials typed on the lock screen (the user name counts in multi-user mode only):
    // true when they end the session (the "shutdown" word is posted); otherwise the try is
    // reported and logged, without the typed password.
    bool CheckExitCredentials(const std::string& user, const std::string& password);
    // The close request (Alt+F4): true when the form may close.
    bool CloseQuery();

    bool Locked() const { return locked_; }
    bool AllowClose() const { return allowClose_; }
    bool NetworkSuspended() const { return networkSuspended_; }
    bool ShutdownInProgress() const { return shutdownInProgress_; }
    bool Ended() const { return ended_; }
    // Seconds since this session's start-up began.
    std::int64_t SessionSeconds() const { return (clock_.TickMs() - startTick_) / 1000; }
    const std::string& AwayMessage() const { return awayMessage_; }
    void SetAwayMessage(std::string message) { awayMessage_ = std::move(message); }
    void SetTerminateAfterShutdown() { terminateAfterShutdown_ = true; }
    void AddTemporaryFile(std::string path) { temporaryFiles_.push_back(std::move(path)); }
    CommandSlot& Commands() { return commands_; }
    // Suspends network access, or resumes it, with its console and log lines.
    void SetNetworkAccess(bool resume);

private:
    void ConsoleLine(const std::string& text) { log_.ConsoleLog(text); }
    void ConsoleAppend(const std::string& text);
    void DisableTaskManager();
    void EnableTaskManager();
    void RecordSession();

    EventLog& log_;
    OstrelSettingsStore& settings_;
    const Clock& clock_;
    const Authenticator& authenticator_;
    const SecurityEventReporter& reporter_;
    LockFormView& view_;
    LockdownDesktop& desktop_;
    TrayLink& tray_;
    const SessionStart start_;
    CommandSlot commands_;

    bool locked_ = false;
    bool allowClose_ = true;
    bool terminateAfterShutdown_ = false;
    bool shutdownInProgress_ = false;
    bool networkSuspended_ = false;
    bool ended_ = false;
    std::int64_t startTick_ = 0;
    std::string awayMessage_;
    std::vector<std::string> temporaryFiles_;
    // The autorun values found at start-up, once the session changed them.
    std::optional<std::pair<int, int>> savedAutoRun_;
    // The locked session this one takes over from an agent that died.
    std::optional<LockedSessionRecord> lostSession_;
    // The session is recorded as locked for a restarted agent.
    bool sessionRecorded_ = false;
};

}  // namespace ostrel
