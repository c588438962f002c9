#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "common/event_log.h"
#include "workstation/lock/lock_session_parts.h"
#include "workstation/lock/x11_input_grab.h"

namespace ostrel {

// The lock's desktop-wide measures on a Linux desktop. The keyboard and pointer are held by X
// grabs on the lock window, retried until held and renewed every second, so the lock never
// stands without them unnoticed. The lock windows cover panels and docks rather than hiding them.
class LinuxLockdown : public QObject, public LockdownDesktop {
    Q_OBJECT
public:
    LinuxLockdown(EventLog& log, FileSystem& files);

    // The window the grabs belong to; set before HookSystemKeys.
    void SetLockWindow(QWindow* window) { window_ = window; }
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
    void HookSystemKeys() override;
    void UnhookSystemKeys() override;
    void SetNetworkAccess(bool resume) override;
    void LockWorkStation() override;
    void DeleteFile(const std::string& path) override;

private:
    void RenewGrab();

    EventLog& log_;
    FileSystem& files_;
    QPointer<QWindow> window_;
    X11InputGrab grab_;
    QTimer grabTimer_;
    bool hooked_ = false;
    bool reportedLoss_ = false;
};

}  // namespace ostrel
