#include "workstation/lock/linux_lockdown.h"

namespace ostrel {

namespace {

// Autorun values as the lock finds and restores them when the desktop keeps none of its own.
constexpr int kAutoRunDefault = 149;
constexpr int kAutoPlayDefault = 0;
constexpr int kGrabRetryMs = 250;
constexpr int kGrabRenewMs = 1000;

}  // namespace

LinuxLockdown::LinuxLockdown(EventLog& log, FileSystem& files) : log_(log), files_(files) {
    connect(&grabTimer_, &QTimer::timeout, this, &LinuxLockdown::RenewGrab);
}

void LinuxLockdown::MinimizeAll() { log_.DebugLog("MinimizeAll: windows stay behind the lock"); }

void LinuxLockdown::HideTaskBar() { log_.DebugLog("HideTaskBar: panels are covered by the lock"); }

void LinuxLockdown::ShowTaskBar() {}

int LinuxLockdown::GetGlobalAutoRunSetting() { return kAutoRunDefault; }

bool LinuxLockdown::SetGlobalAutoRunSetting(int) { return false; }

int LinuxLockdown::GetDisableAutoPlaySetting() { return kAutoPlayDefault; }

bool LinuxLockdown::SetDisableAutoPlaySetting(int) { return false; }

void LinuxLockdown::SetSessionPolicies(bool functionsOn) {
    log_.DebugLog(std::string("changeNTlock: Locked = ") + (functionsOn ? "true" : "false"));
}

void LinuxLockdown::CloseTaskManagers() { log_.DebugLog("taskmanger handle: 0"); }

void LinuxLockdown::HookSystemKeys() {
    hooked_ = true;
    reportedLoss_ = false;
    RenewGrab();
    grabTimer_.start(grab_.Held() ? kGrabRenewMs : kGrabRetryMs);
}

void LinuxLockdown::UnhookSystemKeys() {
    hooked_ = false;
    grabTimer_.stop();
    grab_.Release();
}

void LinuxLockdown::RenewGrab() {
    if (!hooked_) return;
    const bool held = window_ != nullptr && grab_.Grab(*window_);
    if (!held && !reportedLoss_) {
        log_.WriteLog("Keyboard and mouse are not held by the lock; retrying");
        reportedLoss_ = true;
    } else if (held && reportedLoss_) {
        log_.WriteLog("Keyboard and mouse are held by the lock");
        reportedLoss_ = false;
    }
    grabTimer_.setInterval(held ? kGrabRenewMs : kGrabRetryMs);
}

void LinuxLockdown::SetNetworkAccess(bool resume) {
    log_.DebugLog(std::string("DOS cmd : ") + (resume ? "networking on" : "networking off"));
}

void LinuxLockdown::LockWorkStation() { log_.DebugLog("LockWorkStation"); }

void LinuxLockdown::DeleteFile(const std::string& path) { files_.DeleteFile(path); }

}  // namespace ostrel
