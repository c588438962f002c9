#include "workstation/lock/lock_session.h"

#include "common/passwords.h"
#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr int kAutoRunAllDrivesOff = 255;
constexpr int kAutoPlayOff = 1;

}  // namespace

LockSession::LockSession(EventLog& log, OstrelSettingsStore& settings, const Clock& clock,
                         const Authenticator& authenticator, const SecurityEventReporter& reporter,
                         LockFormView& view, LockdownDesktop& desktop, TrayLink& tray,
                         SessionStart start)
    : log_(log),
      settings_(settings),
      clock_(clock),
      authenticator_(authenticator),
      reporter_(reporter),
      view_(view),
      desktop_(desktop),
      tray_(tray),
      start_(std::move(start)) {}

void LockSession::ConsoleAppend(const std::string& text) {
    view_.ConsoleAppend(text);
    log_.DebugLog(text);
}

void LockSession::Startup() {
    view_.ResetSession();
    log_.DebugLog("unMain.Startup;");
    terminateAfterShutdown_ = false;

    const auto settings = settings_.Get();
    view_.ClearStatusLabels();
    view_.ShowConsolePage(settings->DefaultToConsole);
    view_.ShowSysInfoPanel(settings->ShowSysInfoPanel);

    tray_.ActivateUdpClient();
    allowClose_ = false;

    startTick_ = clock_.TickMs();
    temporaryFiles_.clear();

    ConsoleLine("Command line parameters: " + start_.commandLineText);
    log_.WriteLog("Ostrel Started with command line parameters: " + start_.commandLineText);
    ConsoleLine("Current User: " + start_.userName);
    if (start_.isAdmin) ConsoleAppend(" (Administrator)");

    // A session taking over from an agent that died while locked finishes that session's work:
    // the network it suspended and the autorun values it found.
    lostSession_ = tray_.LostSession();
    networkSuspended_ = lostSession_ && lostSession_->networkSuspended;
    if (networkSuspended_) view_.SetNetworkIndicator(true);
    view_.PrepareBar();
    view_.FillScreen();
    view_.ProcessEvents();
    view_.FillMenus();

    OstrelSettingsApply();

    if (!start_.gotoUrl.empty()) view_.Navigate(start_.gotoUrl);
    view_.SetLoadSaverTimer(false);
    if (settings->MinimizeWindowsBeforeLock) desktop_.MinimizeAll();

    if (settings->PromptForAwayMsg && !start_.noPrompt) {
        ConsoleLine("Prompting for Away Message..");
        view_.PickAwayMessage();
    } else {
        awayMessage_ = settings->DefaultAwayMessage;
    }

    if (settings_.Get()->passwordHash.empty()) {
        ConsoleLine("No password defined.");
        view_.BringToForeground();
        const bool exitPressed = view_.RunFirstRunDialog();
        if (exitPressed) {
            Shutdown();
            return;
        }
        if (settings_.Get()->passwordHash.empty()) {
            allowClose_ = true;
            tray_.SetCanCloseOstrel(true);
            ended_ = true;
            tray_.CloseMainForm();
            return;
        }
    }

    view_.SetLoadSaverTimer(settings->loadSaverOnStartup);

    ConsoleLine("Hiding Taskbar...");
    desktop_.HideTaskBar();
    ConsoleAppend("Done.");

    const int globalAutoRun = desktop_.GetGlobalAutoRunSetting();
    log_.DebugLog("GetGlobalAutoRunSetting: " + std::to_string(globalAutoRun));
    const int disableAutoPlay = desktop_.GetDisableAutoPlaySetting();
    log_.DebugLog("GetDisableAutoPlaySetting: " + std::to_string(disableAutoPlay));
    ConsoleLine("Setting new AutoRun parameters...");
    savedAutoRun_ = {globalAutoRun, disableAutoPlay};
    if (lostSession_) savedAutoRun_ = {lostSession_->globalAutoRun, lostSession_->disableAutoPlay};
    desktop_.SetGlobalAutoRunSetting(kAutoRunAllDrivesOff);
    desktop_.SetDisableAutoPlaySetting(kAutoPlayOff);
    ConsoleAppend("Done.");

    DisableTaskManager();
    ConsoleLine("Windows NT Locked");
    desktop_.HookSystemKeys();

    locked_ = true;
    sessionRecorded_ = true;
    RecordSession();
    if (settings->LogOstrelStart) {
        log_.WriteLog("Ostrel 3.0 started by " + start_.userName + " (" + start_.startReason + ")");
    }

    view_.LayOutBar();
    ConsoleLine("Applying window positions...");
    view_.MakeTopmost();
    if (settings->HideOstrelBar) view_.HideBar(settings->HideOstrelBarOnMinimize);
    ConsoleLine("Setting foreground window...");
    view_.BringToForeground();
    view_.StartStatusTimers("Ostrel 3.0   ");
    view_.ProcessEvents();

    ConsoleLine(start_.isAdmin ? "Ostrel running with Admin privleges."
                               : "Ostrel does not have Admin privleges.");
    if (!settings->suspendNetwork && !networkSuspended_) view_.SetNetworkIndicator(false);
    view_.SetConsoleToggle(settings->DefaultToConsole);
    view_.EnableMenuButton();

    ConsoleLine("Double-click this gray area to hide Ostrel taskbar");
    ConsoleLine("Hit F11 to edit the current layout source code");
    ConsoleLine("Hit F10 to modify Weather Maps");
    ConsoleLine("Hit the Windows key or F5 to bring up the Ostrel menu");
    log_.DebugLog("Ostrel Ready:  Startup was " + std::to_string(clock_.TickMs() - startTick_) +
                  " ms");

    view_.OpenMiniBrowser(FileUrl(start_.programFolder + "minibrowser.html"));
    tray_.HideControllerForm();
    view_.FocusDocument();
    if (settings->UseWinLockStartup) desktop_.LockWorkStation();
    if (view_.PluginCount() > 0) {
        log_.DebugLog("more than 1 plugin!");
        view_.FocusForm();
    }
}

void LockSession::OstrelSettingsApply() {
    const auto settings = settings_.Get();
    ConsoleLine("Applying settings...");
    if (settings->suspendNetwork && !networkSuspended_) SetNetworkAccess(false);
    desktop_.SetTaskManagerCloser(settings->StopTaskMgr, settings->TaskMgrScanTime);
    desktop_.SetAutoMinimize(settings->autoHide);
    if (awayMessage_.empty()) awayMessage_ = settings->DefaultAwayMessage;
    ConsoleLine(settings->LayoutMode != 0 ? "Loading HTML layout: " + settings->LayoutFile
                                          : "Loading SLF layout: " + settings->LayoutFile);
    view_.ApplySettings(*settings);
    ConsoleAppend("Done.");
}

void LockSession::Shutdown() {
    if (shutdownInProgress_ || ended_) return;  // the session ends once
    shutdownInProgress_ = true;
    settings_.SetShutdownInProgress(true);
    log_.DebugLog("Shutdown! Params: " + start_.commandLineText);

    commands_.Clear();
    view_.StopCommandTimer();

    log_.DebugLog("SHUTDOWN: ShowTaskBar..");
    desktop_.ShowTaskBar();
    log_.DebugLog("SHUTDOWN: EnableTaskManager..");
    EnableTaskManager();
    log_.DebugLog("SHUTDOWN: Unlock...");
    ConsoleLine("Unlocking...");
    desktop_.UnhookSystemKeys();
    ConsoleAppend("Done.");

    ConsoleLine("Restoring AutoRun setting...");
    if (savedAutoRun_) {
        desktop_.SetGlobalAutoRunSetting(savedAutoRun_->first);
        desktop_.SetDisableAutoPlaySetting(savedAutoRun_->second);
    }
    ConsoleLine("Done.");

    if (networkSuspended_) {
        ConsoleLine("Restoring Network...");
        SetNetworkAccess(true);
        ConsoleAppend("Done.");
    }
    // Every measure is undone: a restarted agent has nothing left to lock or restore.
    sessionRecorded_ = false;
    tray_.ClearLockedSession();

    const auto settings = settings_.Get();
    if (settings->LogOstrelExit) {
        log_.DebugLog("******* Ostrel Shutdown ***********");
        log_.WriteLog("Ostrel Shutdown");
        log_.WriteLog("");
        log_.DebugLog("&");
    }

    ConsoleLine("Unloading plugins...");
    view_.StopPlugins();
    ConsoleAppend("Done.");
    ConsoleLine("Closing Processes...");
    view_.CloseProcessList();
    ConsoleAppend("Done.");
    ConsoleLine("Freeing Theme Manager...");
    ConsoleAppend("Done.");

    tray_.SetLockScreenUp(false);
    if (view_.MessageCount() > 0) {
        log_.DebugLog("SHUTDOWN: Show Messages");
        view_.RunMessageReader();
    }

    log_.DebugLog("SHUTDOWN: Deleting temporary files...");
    for (const std::string& path : temporaryFiles_) desktop_.DeleteFile(path);

    if (settings_.UsingIniSettings()) {
        log_.DebugLog("Not writing INI settings to registry.");
    } else {
        ConsoleLine("Writing Startup Data...");
        ConsoleAppend("Done.");
        if (!tray_.WriteStartupData()) ConsoleAppend("Exception while writing Startup Data!");
    }

    log_.DebugLog("Calling form unload code");
    allowClose_ = true;
    tray_.SetCanCloseOstrel(true);

    log_.DebugLog("Freeing MsgList");
    log_.DebugLog("free filestodelete");
    temporaryFiles_.clear();
    log_.DebugLog("free di");
    log_.DebugLog("SHUTDOWN: Freeing Blackout Pages");
    view_.ReleaseBlackouts();
    log_.DebugLog("SHUTDOWN: Freeing Created Controls");
    view_.FreeLayoutControls();

    log_.DebugLog("SHUTDOWN: frmMain.CloseMainForm;");
    shutdownInProgress_ = false;
    settings_.SetShutdownInProgress(false);
    ended_ = true;
    view_.InvalidateScreen();
    tray_.CloseMainForm();
    view_.InvalidateScreen();

    settings_.SaveLive();

    if (start_.runOnce) {
        log_.DebugLog("run restartOstrelt3.exe and terminate");
        tray_.StartRestartProgram();
        tray_.TerminateProcess();
        return;
    }
    if (start_.killOnClose) terminateAfterShutdown_ = true;
    if (terminateAfterShutdown_) tray_.TerminateProcess();
}

void LockSession::MarkLocked() {
    view_.SetLockedGlyph(true);
    locked_ = true;
    log_.WriteLog("Ostrel Locked");
}

void LockSession::MarkUnlocked() {
    view_.SetLockedGlyph(false);
    locked_ = false;
    log_.WriteLog("Ostrel Unlocked");
    view_.StartRelockCountdown();
}

bool LockSession::CheckExitCredentials(const std::string& user, const std::string& password) {
    log_.DebugLog("tbExitOK clicked, unlock requested");
    const auto settings = settings_.Get();
    if (settings->multiUser) {
        if (authenticator_.Authenticate(user, password) > 0) {
            if (settings->LogUserWhoUnlocked) {
                log_.WriteLog("User " + user + " unlocked Ostrel to exit.");
            }
            commands_.Post("shutdown");
            return true;
        }
        ConsoleLine("Bad password entered while unlocking (multiuser)");
        reporter_.Report("Incorrect password entered");
        if (settings->LogBadPasswords) {
            log_.WriteLog("Bad Username/Password entered to exit Ostrel: " + user);
        }
        return false;
    }
    if (CheckMasterPassword(password, settings->passwordHash)) {
        commands_.Post("shutdown");
        return true;
    }
    reporter_.Report("Incorrect password entered");
    // The typed text may be a real password with one typing error: it never goes to the log.
    if (settings->LogBadPasswords) log_.WriteLog("Bad Password entered to exit Ostrel");
    return false;
}

bool LockSession::CloseQuery() {
    log_.DebugLog(std::string("Close Query...AllowClose=") + (allowClose_ ? "True" : "False"));
    log_.DebugLog(allowClose_ ? "TRUE" : "FALSE");
    return allowClose_;
}

void LockSession::SetNetworkAccess(bool resume) {
    ConsoleLine(resume ? "Restoring Network Access..." : "Disabling Network Access...");
    desktop_.SetNetworkAccess(resume);
    log_.WriteLog(resume ? "Network access resumed" : "Network access suspended");
    networkSuspended_ = !resume;
    view_.SetNetworkIndicator(!resume);
    if (sessionRecorded_) RecordSession();
}

void LockSession::RecordSession() {
    LockedSessionRecord record;
    if (savedAutoRun_) {
        record.globalAutoRun = savedAutoRun_->first;
        record.disableAutoPlay = savedAutoRun_->second;
    }
    record.networkSuspended = networkSuspended_;
    tray_.RecordLockedSession(record);
}

void LockSession::DisableTaskManager() {
    log_.DebugLog("DisableTaskManager");
    desktop_.SetSessionPolicies(false);
    desktop_.CloseTaskManagers();
}

void LockSession::EnableTaskManager() {
    log_.DebugLog("EnableTaskManager");
    desktop_.SetSessionPolicies(true);
}

}  // namespace ostrel
