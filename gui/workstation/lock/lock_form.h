#pragma once

#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "common/authorization.h"
#include "common/event_log.h"
#include "common/security_event_reporter.h"
#include "common/settings_store.h"
#include "common/user_list.h"
#include "platform/folder_listing.h"
#include "platform/power_control.h"
#include "workstation/lock/command_slot.h"
#include "workstation/lock/help_strip.h"
#include "workstation/lock/linux_lockdown.h"
#include "workstation/lock/lock_session.h"
#include "workstation/lock/lock_shortcuts.h"
#include "workstation/lock/ostrel_bar.h"
#include "workstation/lock/right_click_gesture.h"
#include "workstation/lock/slf_plugins.h"
#include "workstation/lock/slf_renderer.h"
#include "workstation/messages/away_presets.h"
#include "workstation/messages/message_list.h"
#include "workstation/messages/pending_remote_message.h"
#include "workstation/remote/last_remote_user.h"

class QLabel;

namespace ostrel {

class TfrmBlackout;

// What the lock form is given by the tray controller that creates it.
struct LockFormServices {
    EventLog& log;
    OstrelSettingsStore& settings;
    UserList& users;
    const Clock& clock;
    FileSystem& files;
    const FolderListing& folders;
    Dialogs& dialogs;
    const Authenticator& authenticator;
    Authorizer& authorizer;
    const SecurityEventReporter& reporter;
    ProcessLauncher& launcher;
    TrayLink& tray;
    AwayPresets& awayPresets;
    PendingRemoteMessage& pendingMessage;
    const LastRemoteUser& lastRemoteUser;
};

// The full-screen lock form of one lock session. Covers the first monitor (blackout forms cover
// the others), holds the keyboard and pointer while locked, and takes every request through its
// command slot on the GUI thread.
class TfrmMain : public QWidget, public LockFormView, public CommandHandler {
    Q_OBJECT
public:
    TfrmMain(LockFormServices services, SessionStart start);
    ~TfrmMain() override;

    // Runs the session's start-up; call once, after construction.
    void Startup();
    // Any thread.
    void PostCommand(const std::string& word);
    LockSession& Session() { return *session_; }
    bool InputHeld() const { return lockdown_.InputHeld(); }

    // LockFormView
    void ResetSession() override;
    void ClearStatusLabels() override;
    void ShowConsolePage(bool console) override;
    void ShowSysInfoPanel(bool show) override;
    void PrepareBar() override;
    void FillScreen() override;
    void ProcessEvents() override;
    void FillMenus() override;
    void ApplySettings(const TOstrelSettings& settings) override;
    void Navigate(const std::string& url) override;
    void SetLoadSaverTimer(bool) override {}
    void PickAwayMessage() override;
    bool RunFirstRunDialog() override;
    void BringToForeground() override;
    void LayOutBar() override;
    void MakeTopmost() override;
    void HideBar(bool entirely) override;
    void StartStatusTimers(const std::string& menuCaption) override;
    void SetNetworkIndicator(bool suspended) override;
    void SetConsoleToggle(bool consoleShowing) override;
    void EnableMenuButton() override;
    void OpenMiniBrowser(const std::string& url) override;
    void FocusDocument() override { FocusBox(); }
    void FocusForm() override;
    void SetLockedGlyph(bool locked) override;
    void StartRelockCountdown() override;
    void ConsoleAppend(const std::string& text) override;
    void StopCommandTimer() override { nextCommandTimer_.stop(); }
    int MessageCount() override { return messages_.Count(); }
    void RunMessageReader() override;
    int PluginCount() override;
    void StopPlugins() override;
    void CloseProcessList() override {}
    void ReleaseBlackouts() override;
    void FreeLayoutControls() override;
    void InvalidateScreen() override;

    // CommandHandler
    void LeaveMessage() override;
    void RemoteMessage() override;
    void Options() override;
    void ReadMessages() override;
    void ChangeAwayMessage() override;
    void Logs() override;
    void Focus() override;
    void Shutdown() override;
    void Terminate() override;
    void BadPassword() override;

    void FocusBox();
    void UnlockExitClick();

    // Stores a note and shows the new count.
    void AddMessage(const std::string& from, const std::string& subject, const std::string& body);
    // The leave-a-note dialog; true when a note was stored.
    bool LeaveAMessage();
    const TMessageList& Messages() const { return messages_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class ConsoleMirror;

    void NextCommandTimerTimer();
    void ExitOKClick();
    void OpenMenu();
    void BuildMenu();
    void ChangeLayout(const std::string& path);
    // Runs the away-message picker and shows the message it chose.
    void RunAwayPicker(bool countdown);
    void ShowMessageCount();
    void UpdateClocks();
    bool HandleLockKey(QKeyEvent* key);
    bool HandleShortcut(const QKeyEvent* key);
    void RunShortcut(LockShortcut shortcut);

    // Hidden menu and pop-up menu items.
    void DeployOptions();
    void Refresh();
    void EditLayoutCode();
    void LayoutTitleLine();
    void MonitorOff();
    void Sleep(AuthAction action);
    void GoToUrl();
    void ShowUrl();
    // The modal input box of the lock screen; nothing when cancelled.
    std::optional<QString> AskText(const QString& prompt, const QString& text);
    // Locks now and ends a running re-lock countdown.
    void LockNow();
    PowerControl& Power();

    // Ostrel bar buttons.
    void MinimizeBar();
    void NetworkClick();
    void ConsoleToggleClick();
    void HelpClick();
    void HelpBack();
    std::string HelpIndexUrl() const;

    LockFormServices services_;
    const SessionStart start_;
    LinuxLockdown lockdown_;
    PluginHost plugins_;
    std::unique_ptr<LockSession> session_;

    QWidget* panMain_;
    TOstrelBar* bar_;
    THelpStrip* helpStrip_;
    QMenu pop1_;
    QMenu* layoutsMenu_ = nullptr;
    std::unique_ptr<SlfRenderer> renderer_;
    std::unique_ptr<ConsoleMirror> consoleMirror_;
    std::vector<std::unique_ptr<TfrmBlackout>> blackouts_;
    std::unique_ptr<PowerControl> power_;
    // The addresses the lock screen's browser has shown, the current one last.
    std::vector<std::string> browserHistory_;
    TMessageList messages_;

    QTimer nextCommandTimer_;
    QTimer menuTimer_;
    QTimer keyTimer_;
    QTimer restackTimer_;
    QTimer lockTimer_;
    RightClickGesture rightClicks_;
    int lockCountdown_ = 0;
    bool htmlFallback_ = false;
    bool closeRequestQueued_ = false;
    bool unlockExitAsking_ = false;
};

}  // namespace ostrel
