#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "common/event_log.h"
#include "linux/ewmh_windows.h"
#include "linux/logind_session.h"
#include "linux/media_autorun_setting.h"
#include "linux/network_manager_switch.h"
#include "workstation/lock/lock_session_parts.h"
#include "workstation/lock/window_restacker.h"
#include "workstation/lock/x11_input_grab.h"

namespace ostrel {

// The lock's desktop-wide measures on a Linux desktop. The keyboard and pointer are held by X
// grabs on the lock window, retried until held and renewed every second, so the lock never
// stands without them unnoticed; windows that come up above the lock are pushed below it. Other
// windows are found through the window manager (EWMH), the network is switched through
// NetworkManager, shut-down is held back by a logind inhibitor and the media auto-open setting
// is the desktop's own. A measure the desktop cannot take is traced and left.
class LinuxLockdown : public QObject, public LockdownDesktop {
    Q_OBJECT
public:
    LinuxLockdown(EventLog& log, FileSystem& files);

    // The window the grabs belong to; set before HookSystemKeys.
    void SetLockWindow(QWindow* window) { window_ = window; }
    // Raises the lock and its covers above everything else.
    void SetRestack(std::function<void()> restack) { restack_ = std::move(restack); }
    bool InputHeld() const { return grab_.Held(); }

    void MinimizeAll() override;
    void HideTaskBar() override;
    void ShowTaskBar() override;
    int GetGlobalAutoRunSetting() override;
    bool SetGlobalAutoRunSetting(int value) override;
    int GetDisableAutoPlaySetting() override;
    bool SetDisableAutoPlaySetting(int value) override;
    void SetSessionPolicies(bool functionsOn) override;
    void CloseTaskManagers() override;
    void SetTaskManagerCloser(bool on, int intervalMs) override;
    void SetAutoMinimize(bool on) override;
    void HookSystemKeys() override;
    void UnhookSystemKeys() override;
    void SetNetworkAccess(bool resume) override;
    void LockWorkStation() override;
    void DeleteFile(const std::string& path) override;

private:
    void RenewGrab();
    void AutoMinimize();
    // Asks every task-manager window to close; one that was asked before and is still there
    // has its process ended. The windows found.
    std::vector<xcb_window_t> CloseTaskManagerWindows();
    // Panels hidden by this session or by one that ended without showing them again.
    std::string HiddenPanelsPath() const;
    std::set<xcb_window_t> HiddenPanels() const;

    EventLog& log_;
    FileSystem& files_;
    QPointer<QWindow> window_;
    std::function<void()> restack_;
    X11InputGrab grab_;
    QTimer grabTimer_;
    QTimer taskManagerTimer_;
    QTimer autoMinimizeTimer_;
    EwmhWindows windows_;
    NetworkManagerSwitch network_;
    LogindSession logind_;
    MediaAutorunSetting autorun_;
    WindowRestacker restacker_;
    // Task-manager windows asked to close at the last scan, with their processes.
    using OwnedWindow = std::pair<xcb_window_t, pid_t>;
    std::set<OwnedWindow> askedToClose_;
    bool hooked_ = false;
    bool reportedLoss_ = false;
};

}  // namespace ostrel
