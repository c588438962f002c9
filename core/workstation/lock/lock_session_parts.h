#pragma once

#include <optional>
#include <string>

#include "common/ostrel_settings.h"
#include "workstation/lock/lock_state_file.h"

namespace ostrel {

// What the lock session asks of its form: windows, widgets, timers and modal dialogs. The Qt lock
// form implements it; tests record the calls.
class LockFormView {
public:
    virtual ~LockFormView() = default;

    // Blank browser, zeroed right-click gesture, remembered cursor position.
    virtual void ResetSession() = 0;
    virtual void ClearStatusLabels() = 0;
    virtual void ShowConsolePage(bool console) = 0;
    virtual void ShowSysInfoPanel(bool show) = 0;
    virtual void PrepareBar() = 0;
    // The form over the first monitor, a blackout form over each other one.
    virtual void FillScreen() = 0;
    virtual void ProcessEvents() = 0;
    // Screen-saver and Layouts menus.
    virtual void FillMenus() = 0;
    // Bar colour and console font, the layout, clock labels, the Layouts menu tick.
    virtual void ApplySettings(const TOstrelSettings& settings) = 0;
    virtual void Navigate(const std::string& url) = 0;
    virtual void SetLoadSaverTimer(bool running) = 0;
    // Runs the away-message picker modally with its countdown.
    virtual void PickAwayMessage() = 0;
    // Runs the first-run master-password dialog modally. True when it was left through its Exit
    // button, which ends the session.
    virtual bool RunFirstRunDialog() = 0;
    virtual void BringToForeground() = 0;
    virtual void LayOutBar() = 0;
    virtual void MakeTopmost() = 0;
    // Hides the bar entirely, or collapses it.
    virtual void HideBar(bool entirely) = 0;
    virtual void StartStatusTimers(const std::string& menuCaption) = 0;
    virtual void SetNetworkIndicator(bool suspended) = 0;
    virtual void SetConsoleToggle(bool consoleShowing) = 0;
    virtual void EnableMenuButton() = 0;
    virtual void OpenMiniBrowser(const std::string& url) = 0;
    virtual void FocusDocument() = 0;
    virtual void FocusForm() = 0;
    virtual void SetLockedGlyph(bool locked) = 0;
    virtual void StartRelockCountdown() = 0;
    // Appends to the last line of the form's console.
    virtual void ConsoleAppend(const std::string& text) = 0;
    virtual void StopCommandTimer() = 0;
    virtual int MessageCount() = 0;
    virtual void RunMessageReader() = 0;
    virtual int PluginCount() = 0;
    virtual void StopPlugins() = 0;
    virtual void CloseProcessList() = 0;
    virtual void ReleaseBlackouts() = 0;
    virtual void FreeLayoutControls() = 0;
    virtual void InvalidateScreen() = 0;
};

// The autorun values read when the desktop keeps none.
constexpr int kGlobalAutoRunAbsent = 149;
constexpr int kDisableAutoPlayAbsent = 0;

// The desktop-wide measures of a lock; the platform implements them.
class LockdownDesktop {
public:
    virtual ~LockdownDesktop() = default;
    virtual void MinimizeAll() = 0;
    virtual void HideTaskBar() = 0;
    virtual void ShowTaskBar() = 0;
    virtual int GetGlobalAutoRunSetting() = 0;
    virtual bool SetGlobalAutoRunSetting(int value) = 0;
    virtual int GetDisableAutoPlaySetting() = 0;
    virtual bool SetDisableAutoPlaySetting(int value) = 0;
    // Switches the desktop's task manager, workstation lock, password change, log-off and
    // shut-down functions off (false) or back on (true).
    virtual void SetSessionPolicies(bool functionsOn) = 0;
    // Closes running task managers.
    virtual void CloseTaskManagers() = 0;
    // Closes task managers every `intervalMs` while on (`TaskMgrTimer`); an interval of 0 never
    // fires. It stops when the session's policies are switched back on.
    virtual void SetTaskManagerCloser(bool on, int intervalMs) = 0;
    // AutoMinimize once a second while on: the foreground window of another program goes to the
    // bottom of the stack. It stops when the keys are given back.
    virtual void SetAutoMinimize(bool on) = 0;
    // Takes the keyboard and pointer for the lock, or gives them back.
    virtual void HookSystemKeys() = 0;
    virtual void UnhookSystemKeys() = 0;
    virtual void SetNetworkAccess(bool resume) = 0;
    virtual void LockWorkStation() = 0;
    virtual void DeleteFile(const std::string& path) = 0;
};

// The tray controller as the lock session sees it.
class TrayLink {
public:
    virtual ~TrayLink() = default;
    virtual void ActivateUdpClient() = 0;
    virtual void SetLockScreenUp(bool up) = 0;
    virtual void SetCanCloseOstrel(bool canClose) = 0;
    // Saves the settings, closes and forgets the lock form and returns to the tray.
    virtual void CloseMainForm() = 0;
    virtual void HideControllerForm() = 0;
    // Records the program's location and start-up entries; false when that failed.
    virtual bool WriteStartupData() = 0;
    virtual void StartRestartProgram() = 0;
    virtual void TerminateProcess() = 0;
    // The record of a locked session whose agent died before its `Shutdown`, if there is one.
    virtual std::optional<LockedSessionRecord> LostSession() = 0;
    // Keeps the record of the locked session where a restarted agent finds it, or drops it.
    virtual void RecordLockedSession(const LockedSessionRecord& record) = 0;
    virtual void ClearLockedSession() = 0;
};

// What the process was started with, as the lock session needs it.
struct SessionStart {
    std::string commandLineText;
    std::string gotoUrl;
    std::string startReason;
    std::string userName;
    std::string programFolder;
    bool isAdmin = false;
    bool noPrompt = false;
    bool runOnce = false;      // -ro
    bool killOnClose = false;  // -killonclose
};

}  // namespace ostrel
