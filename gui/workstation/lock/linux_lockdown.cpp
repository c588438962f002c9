#include "workstation/lock/linux_lockdown.h"

#include <signal.h>
#include <unistd.h>

#include <QDBusConnection>
#include <cstdlib>

#include "common/ini_file.h"
#include "common/text_helpers.h"
#include "linux/x11_connection.h"
#include "workstation/lock/auto_minimize.h"
#include "workstation/lock/task_manager_windows.h"

namespace ostrel {

namespace {

constexpr int kGrabRetryMs = 250;
constexpr int kGrabRenewMs = 1000;
constexpr int kAutoMinimizeMs = 1000;
constexpr const char* kHiddenPanelsFile = "ostrel3-hidden-panels";

// The policies the lock switches, and whether this desktop has a counterpart.
struct Policy {
    const char* name;
    bool system;  // under the System key (traced as a ChangeSysPolicy)
    const char* linuxCounterpart;
};
constexpr Policy kPolicies[] = {
    {"DisableTaskMgr", true, "task managers are closed while locked"},
    {"DisableLockWorkstation", true, nullptr},
    {"DisableChangePassword", true, nullptr},
    {"NoLogoff", false, nullptr},
    {"NoClose", false, "logind inhibitor"},
};

}  // namespace

LinuxLockdown::LinuxLockdown(EventLog& log, FileSystem& files)
    : log_(log),
      files_(files),
      windows_(QtX11Connection()),
      network_(QDBusConnection::systemBus()),
      logind_(QDBusConnection::systemBus()),
      restacker_(
          [this] {
              if (restack_) restack_();
          },
          [this](const std::string& text) { log_.DebugLog(text); }) {
    connect(&grabTimer_, &QTimer::timeout, this, &LinuxLockdown::RenewGrab);
    autoMinimizeTimer_.setInterval(kAutoMinimizeMs);
    connect(&autoMinimizeTimer_, &QTimer::timeout, this, &LinuxLockdown::AutoMinimize);
    connect(&taskManagerTimer_, &QTimer::timeout, this, [this] {
        for (xcb_window_t window : CloseTaskManagerWindows()) {
            log_.DebugLog("(TMTimer) Closed taskmanger handle: " + std::to_string(window));
        }
    });
}

void LinuxLockdown::MinimizeAll() {
    log_.DebugLog("MinimizeAll: showing the desktop");
    windows_.ShowDesktop();
}

std::string LinuxLockdown::HiddenPanelsPath() const {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0') return {};
    return std::string(runtime) + "/" + kHiddenPanelsFile;
}

std::set<xcb_window_t> LinuxLockdown::HiddenPanels() const {
    std::set<xcb_window_t> panels;
    const std::string path = HiddenPanelsPath();
    if (path.empty()) return panels;
    for (const std::string& line : SplitText(files_.ReadFile(path).value_or(""), "\n")) {
        if (const auto id = ParseProfileInteger(line); id && *id > 0) {
            panels.insert(static_cast<xcb_window_t>(*id));
        }
    }
    return panels;
}

void LinuxLockdown::HideTaskBar() {
    // The ids are kept beside the session (they mean nothing after a log-out), so panels hidden
    // by an agent that died come back at the end of the session that follows it.
    std::set<xcb_window_t> panels = HiddenPanels();
    for (xcb_window_t window : windows_.ClientWindows()) {
        if (!windows_.IsDock(window)) continue;
        windows_.Unmap(window);
        panels.insert(window);
    }
    log_.DebugLog("HideTaskBar: " + std::to_string(panels.size()) + " panels hidden");
    const std::string path = HiddenPanelsPath();
    if (panels.empty() || path.empty()) return;
    std::string text;
    for (xcb_window_t window : panels) text += std::to_string(window) + "\n";
    files_.WriteFileAtomic(path, text);
}

void LinuxLockdown::ShowTaskBar() {
    // Ids of a display that is gone may name other windows now: panels only.
    for (xcb_window_t window : HiddenPanels()) {
        if (windows_.IsDock(window)) windows_.Map(window);
    }
    const std::string path = HiddenPanelsPath();
    if (!path.empty() && files_.FileExists(path)) files_.DeleteFile(path);
}

int LinuxLockdown::GetGlobalAutoRunSetting() {
    const std::optional<bool> open = autorun_.AutomountOpen();
    if (!open) {
        log_.DebugLog("AutoRun: the desktop keeps no media auto-open setting");
        return kGlobalAutoRunAbsent;
    }
    return GlobalAutoRunFromAutomountOpen(*open);
}

bool LinuxLockdown::SetGlobalAutoRunSetting(int value) {
    return autorun_.SetAutomountOpen(AutomountOpenFromGlobalAutoRun(value));
}

int LinuxLockdown::GetDisableAutoPlaySetting() {
    const std::optional<bool> never = autorun_.AutorunNever();
    if (!never) return kDisableAutoPlayAbsent;
    return *never ? 1 : 0;
}

bool LinuxLockdown::SetDisableAutoPlaySetting(int value) {
    return autorun_.SetAutorunNever(value != 0);
}

void LinuxLockdown::SetSessionPolicies(bool functionsOn) {
    log_.DebugLog(std::string("changeNTlock: Locked = ") + (functionsOn ? "true" : "false"));
    for (const Policy& policy : kPolicies) {
        if (policy.system) {
            log_.DebugLog(std::string("ChangeSysPolicy(") + policy.name +
                          ") -> turnOn=" + (functionsOn ? "-1" : "0"));
        }
        log_.DebugLog(std::string(policy.name) + ": " +
                      (policy.linuxCounterpart != nullptr ? policy.linuxCounterpart
                                                          : "no counterpart on this desktop"));
    }
    if (functionsOn) {
        taskManagerTimer_.stop();
        askedToClose_.clear();
        logind_.ReleaseInhibitor();
        return;
    }
    if (const auto error = logind_.Inhibit()) {
        log_.DebugLog("NoClose: logind inhibitor not taken: " + *error);
    }
}

std::vector<xcb_window_t> LinuxLockdown::CloseTaskManagerWindows() {
    std::vector<xcb_window_t> found;
    std::set<OwnedWindow> stillAsked;
    for (xcb_window_t window : windows_.ClientWindows()) {
        if (!IsTaskManagerWindow(windows_.Title(window), windows_.ClassName(window))) continue;
        found.push_back(window);
        // The X server hands a closed window's id to the next program: the pair tells them apart.
        const std::optional<pid_t> pid = windows_.Pid(window);
        const OwnedWindow owned{window, pid.value_or(0)};
        stillAsked.insert(owned);
        if (!askedToClose_.contains(owned)) {
            windows_.Close(window);
            continue;
        }
        // Asked at the last scan and still there: its program goes.
        if (pid && *pid != getpid()) {
            log_.DebugLog("Task manager " + std::to_string(window) + " did not close: process " +
                          std::to_string(*pid) + " ended");
            kill(*pid, SIGTERM);
        }
    }
    askedToClose_ = std::move(stillAsked);
    return found;
}

void LinuxLockdown::CloseTaskManagers() {
    const std::vector<xcb_window_t> found = CloseTaskManagerWindows();
    log_.DebugLog("taskmanger handle: " + std::to_string(found.empty() ? 0 : found.front()));
}

void LinuxLockdown::SetTaskManagerCloser(bool on, int intervalMs) {
    if (!on || intervalMs <= 0) {
        taskManagerTimer_.stop();
        return;
    }
    taskManagerTimer_.start(intervalMs);
}

void LinuxLockdown::SetAutoMinimize(bool on) {
    if (on) {
        autoMinimizeTimer_.start();
    } else {
        autoMinimizeTimer_.stop();
    }
}

void LinuxLockdown::AutoMinimize() {
    // Nothing while the lock (or one of its dialogs) has the keyboard.
    if (IsOwnX11Window(windows_.InputFocus())) return;
    const xcb_window_t foreground = windows_.ActiveWindow();
    if (foreground == XCB_NONE) return;
    const std::string title = AutoMinimizeTitle(windows_.Title(foreground));
    if (!AutoMinimizeHides(title)) return;
    log_.WriteLog("The AutoMinimize feature hid this window: " + title);
    log_.DebugLog("The AutoMinimize feature hid this window: " + title);
    windows_.Lower(foreground);
    if (restack_) restack_();
    log_.DebugLog("AutoMinimize: \"" + title + "\"\r");
    const xcb_window_t now = windows_.ActiveWindow();
    log_.DebugLog("TopWin HideWindows2: " +
                  (now == XCB_NONE ? std::string() : windows_.Title(now)));
}

void LinuxLockdown::HookSystemKeys() {
    hooked_ = true;
    reportedLoss_ = false;
    RenewGrab();
    grabTimer_.start(grab_.Held() ? kGrabRenewMs : kGrabRetryMs);
    restacker_.Start();
}

void LinuxLockdown::UnhookSystemKeys() {
    hooked_ = false;
    autoMinimizeTimer_.stop();
    restacker_.Stop();
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
    log_.DebugLog(std::string("DOS cmd : NetworkManager Enable(") + (resume ? "true" : "false") +
                  ")");
    if (const auto error = network_.Enable(resume)) {
        log_.DebugLog("NetworkManager: " + *error + "; network access left as it is");
    }
}

void LinuxLockdown::LockWorkStation() {
    log_.DebugLog("LockWorkStation");
    if (const auto error = logind_.LockSession()) log_.DebugLog("LockWorkStation: " + *error);
}

void LinuxLockdown::DeleteFile(const std::string& path) {
    files_.DeleteFile(path);
}

}  // namespace ostrel
