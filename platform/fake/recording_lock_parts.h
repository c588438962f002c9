#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "workstation/lock/lock_session_parts.h"

namespace ostrel {

// The lock form, the desktop and the tray controller in one, writing every call into one list so
// that tests see the order of a whole session.
class RecordingLockParts : public LockFormView, public LockdownDesktop, public TrayLink {
public:
    std::vector<std::string> calls;
    int globalAutoRun = 149;
    int disableAutoPlay = 0;
    int messageCount = 0;
    bool writeStartupDataWorks = true;
    // Runs inside the first-run dialog; returns whether its Exit button was used.
    std::function<bool()> firstRunDialog = [] { return false; };
    // What LostSession gives; the last record kept by RecordLockedSession (dropped by Clear).
    std::optional<LockedSessionRecord> lostSession;
    std::optional<LockedSessionRecord> recordedSession;

    void ResetSession() override { Note("ResetSession"); }
    void ClearStatusLabels() override { Note("ClearStatusLabels"); }
    void ShowConsolePage(bool console) override { Note("ShowConsolePage", console); }
    void ShowSysInfoPanel(bool show) override { Note("ShowSysInfoPanel", show); }
    void PrepareBar() override { Note("PrepareBar"); }
    void FillScreen() override { Note("FillScreen"); }
    void ProcessEvents() override {}
    void FillMenus() override { Note("FillMenus"); }
    void ApplySettings(const TOstrelSettings&) override { Note("ApplySettings"); }
    void Navigate(const std::string& url) override { Note("Navigate " + url); }
    void SetLoadSaverTimer(bool running) override { Note("SetLoadSaverTimer", running); }
    void PickAwayMessage() override { Note("PickAwayMessage"); }
    bool RunFirstRunDialog() override {
        Note("RunFirstRunDialog");
        return firstRunDialog();
    }
    void BringToForeground() override { Note("BringToForeground"); }
    void LayOutBar() override { Note("LayOutBar"); }
    void MakeTopmost() override { Note("MakeTopmost"); }
    void HideBar(bool entirely) override { Note("HideBar", entirely); }
    void StartStatusTimers(const std::string& caption) override {
        Note("StartStatusTimers " + caption);
    }
    void SetNetworkIndicator(bool suspended) override { Note("SetNetworkIndicator", suspended); }
    void SetConsoleToggle(bool console) override { Note("SetConsoleToggle", console); }
    void EnableMenuButton() override { Note("EnableMenuButton"); }
    void OpenMiniBrowser(const std::string& url) override { Note("OpenMiniBrowser " + url); }
    void FocusDocument() override { Note("FocusDocument"); }
    void FocusForm() override { Note("FocusForm"); }
    void SetLockedGlyph(bool locked) override { Note("SetLockedGlyph", locked); }
    void StartRelockCountdown() override { Note("StartRelockCountdown"); }
    void ConsoleAppend(const std::string&) override {}
    void StopCommandTimer() override { Note("StopCommandTimer"); }
    int MessageCount() override { return messageCount; }
    void RunMessageReader() override { Note("RunMessageReader"); }
    int PluginCount() override { return 0; }
    void StopPlugins() override { Note("StopPlugins"); }
    void CloseProcessList() override { Note("CloseProcessList"); }
    void ReleaseBlackouts() override { Note("ReleaseBlackouts"); }
    void FreeLayoutControls() override { Note("FreeLayoutControls"); }
    void InvalidateScreen() override {}

    void MinimizeAll() override { Note("MinimizeAll"); }
    void HideTaskBar() override { Note("HideTaskBar"); }
    void ShowTaskBar() override { Note("ShowTaskBar"); }
    int GetGlobalAutoRunSetting() override { return globalAutoRun; }
    bool SetGlobalAutoRunSetting(int value) override {
        Note("SetGlobalAutoRunSetting " + std::to_string(value));
        return true;
    }
    int GetDisableAutoPlaySetting() override { return disableAutoPlay; }
    bool SetDisableAutoPlaySetting(int value) override {
        Note("SetDisableAutoPlaySetting " + std::to_string(value));
        return true;
    }
    void SetSessionPolicies(bool on) override { Note("SetSessionPolicies", on); }
    void CloseTaskManagers() override { Note("CloseTaskManagers"); }
    void SetTaskManagerCloser(bool on, int intervalMs) override {
        Note("SetTaskManagerCloser " + std::string(on ? "true " : "false ") +
             std::to_string(intervalMs));
    }
    void SetAutoMinimize(bool on) override { Note("SetAutoMinimize", on); }
    void HookSystemKeys() override { Note("HookSystemKeys"); }
    void UnhookSystemKeys() override { Note("UnhookSystemKeys"); }
    void SetNetworkAccess(bool resume) override { Note("SetNetworkAccess", resume); }
    void LockWorkStation() override { Note("LockWorkStation"); }
    void DeleteFile(const std::string& path) override { Note("DeleteFile " + path); }

    void ActivateUdpClient() override { Note("ActivateUdpClient"); }
    void SetLockScreenUp(bool up) override { Note("SetLockScreenUp", up); }
    void SetCanCloseOstrel(bool canClose) override { Note("SetCanCloseOstrel", canClose); }
    void CloseMainForm() override { Note("CloseMainForm"); }
    void HideControllerForm() override { Note("HideControllerForm"); }
    bool WriteStartupData() override {
        Note("WriteStartupData");
        return writeStartupDataWorks;
    }
    void StartRestartProgram() override { Note("StartRestartProgram"); }
    void TerminateProcess() override { Note("TerminateProcess"); }
    std::optional<LockedSessionRecord> LostSession() override { return lostSession; }
    void RecordLockedSession(const LockedSessionRecord& record) override {
        Note("RecordLockedSession");
        recordedSession = record;
    }
    void ClearLockedSession() override {
        Note("ClearLockedSession");
        recordedSession.reset();
    }

private:
    void Note(const std::string& call) { calls.push_back(call); }
    void Note(const std::string& call, bool value) {
        calls.push_back(call + (value ? " true" : " false"));
    }
};

}  // namespace ostrel
