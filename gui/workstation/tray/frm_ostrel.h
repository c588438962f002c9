#pragma once

#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "linux/udp_datagram_sender.h"
#include "platform/instance_channel.h"
#include "workstation/agent_environment.h"
#include "workstation/process/command_line.h"
#include "workstation/process/idle_detector_host.h"
#include "workstation/process/instance_message_hook.h"
#include "workstation/process/tray_menu_targets.h"
#include "workstation/tray/computer_info_events.h"
#include "workstation/tray/lock_launcher.h"
#include "workstation/tray/tray_icon.h"
#include "workstation/tray/x11_hot_keys.h"

class QAction;

namespace ostrel {

class RemoteEndpoint;

// Dialogs that other parts of the program give the tray. One that is not given yet leaves its
// menu item at the permission check and a trace.
struct TrayDialogs {
    // Fills the options dialog from the settings and shows it modally; true on OK.
    std::function<bool()> options;
    // Shows the log viewer modally, scrolled eleven pages down.
    std::function<void()> logViewer;
    // Creates the update check's dialog.
    std::function<void()> updateCheck;
};

// The tray controller: the agent's main form, hidden for the life of the process, with its icon
// in the notification area. It prepares what the process needs and decides when the lock screen
// comes up: on the hot key, from the tray menu, after idle time, on an instance message or at
// start; it takes control back when the lock session ends.
class TfrmOstrel : public QWidget, public InstanceMessageTarget {
    Q_OBJECT

public:
    static constexpr int kLaunchDelayMs = 10;
    static constexpr int kReturnDelayMs = 500;
    static constexpr int kIdleWatchMs = 1000;
    static constexpr std::uint32_t kIdleThresholdMs = 2000;

    TfrmOstrel(AgentEnvironment& environment, InstanceChannel& channel,
               std::string commandLineText);
    ~TfrmOstrel() override;

    const std::string& CommandLineText() const { return commandLineText_; }
    const CommandLineSwitches& Switches() const { return switches_; }
    const std::string& GotoUrl() const { return gotoUrl_; }
    const std::string& StartReason() const { return startReason_; }
    // Clock tick of the latest launch, 0 before the first. Any thread.
    std::int64_t LockStartTick() const { return lockStartTick_; }
    // The locked flag: from the launch until the session ends. Any thread.
    bool LockScreenUp() const { return lockScreenUp_; }
    bool CanCloseOstrel() const { return canCloseOstrel_; }
    bool BalloonShown() const { return balloonShown_; }
    LockLauncher& Launcher() { return *launcher_; }
    void SetDialogs(TrayDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // The lock session's side.
    void SetLockScreenUp(bool up) { lockScreenUp_ = up; }
    void SetCanCloseOstrel(bool canClose) { canCloseOstrel_ = canClose; }
    // Saves the settings, closes and forgets the lock form, and returns to the tray.
    void CloseMainForm();

    // Posts the command word to the lock form while its session runs.
    void PostToLockForm(const std::string& word);
    // A balloon of the tray icon with the information icon.
    void ShowBalloonHint(const std::string& title, const std::string& text, int timeoutMs);

    // Registers the hot key of the settings, again when it is registered already.
    void RegisterHotKey();
    // "Ctrl + Alt + S": the hot key as the tray shows it.
    std::string HotKeyText() const;

    // InstanceMessageTarget
    bool LockFormExists() const override;
    void StartLockScreen() override;
    void SetCommandLineText(const std::string& text) override;
    void BringToFront() override;
    void Terminate() override;

public slots:
    void HandleMessage(ostrel::InstanceMessage message);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ConsoleMirror;

    void CreateIdleDetector();
    void ReadCommandLine();
    void Halt();
    void StartInTrayOrLocked();

    void Timer1Timer();
    void Launch();
    void FocusLockForm();
    void Timer2Timer();
    void ReturnedToTray();
    void MainTimerTimer();
    void QuitTimerTimer();
    void HotKeyPressed(int number);
    void PowerEvent(int event);
    void DisplayChanged();
    void SessionEnding();
    bool HandleConsoleKey(int key);

    void BuildMenu();
    void LaunchClick();
    void OptionsClick();
    void LogManagerClick();
    void ExitClick();
    void TraceTopWindow(const std::string& prefix);
    TrayFolders Folders() const;

    AgentEnvironment& environment_;
    InstanceChannel& channel_;
    std::string commandLineText_;
    CommandLineSwitches switches_;
    std::string gotoUrl_;
    std::string startReason_ = kStartReasonDefault;
    std::int64_t createdTick_ = 0;
    std::atomic<std::int64_t> lockStartTick_ = 0;
    std::atomic<bool> lockScreenUp_ = false;
    bool canCloseOstrel_ = false;
    bool balloonShown_ = false;
    TrayDialogs dialogs_;

    QPlainTextEdit* memo1_;
    std::unique_ptr<ConsoleMirror> consoleMirror_;
    QMenu* traypop_;
    QAction* showDebugItem_ = nullptr;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<X11HotKeys> syshot_;
    std::unique_ptr<IdleDetectorHost> idleDetector_;
    std::unique_ptr<ComputerInfoEvents> compinfo_;
    UdpDatagramSender udpClient_;
    std::unique_ptr<LockLauncher> launcher_;
    std::unique_ptr<RemoteEndpoint> remote_;

    QTimer timer1_;
    QTimer timer2_;
    QTimer trayBalloonTimer_;
    QTimer mainTimer_;
    QTimer quitTimer_;
};

}  // namespace ostrel
