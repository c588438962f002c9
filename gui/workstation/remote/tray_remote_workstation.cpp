#include "workstation/remote/tray_remote_workstation.h"

#include "linux/linux_script_runner.h"
#include "workstation/tray/frm_ostrel.h"

namespace ostrel {

namespace {

constexpr int kMessageBalloonMs = 60000;

}  // namespace

TrayRemoteWorkstation::TrayRemoteWorkstation(AgentEnvironment& environment, TfrmOstrel& controller)
    : environment_(environment),
      controller_(controller),
      power_(
          QDBusConnection::systemBus(), nullptr,
          [&log = environment.Log()](const std::string& text) { log.DebugLog(text); }, this),
      shutdown_(QDBusConnection::systemBus(),
                [&log = environment.Log()](const std::string& text) { log.DebugLog(text); }) {}

bool TrayRemoteWorkstation::LockScreenUp() const {
    return controller_.LockScreenUp();
}

std::int64_t TrayRemoteWorkstation::LockStartTick() const {
    return controller_.LockStartTick();
}

std::uint32_t TrayRemoteWorkstation::SystemIdleMs() const {
    return idle_.SystemIdleMs();
}

void TrayRemoteWorkstation::StartLock() {
    OnGuiThread([this] { controller_.StartLockScreen(); });
}

void TrayRemoteWorkstation::PostLockCommand(const std::string& word) {
    OnGuiThread([this, word] { controller_.PostToLockForm(word); });
}

void TrayRemoteWorkstation::ShowBalloon(const std::string& title, const std::string& text) {
    OnGuiThread(
        [this, title, text] { controller_.ShowBalloonHint(title, text, kMessageBalloonMs); });
}

void TrayRemoteWorkstation::ShowWarning(const std::string& text) {
    OnGuiThread([this, text] {
        environment_.UserDialogs().ShowMessageBox(
            {text, "Ostrel", MessageIcon::kWarning, MessageButtons::kOk, true});
    });
}

void TrayRemoteWorkstation::Terminate() {
    OnGuiThread([this] { controller_.Terminate(); });
}

void TrayRemoteWorkstation::StandBy() {
    OnGuiThread([this] { power_.Suspend(); });
}

void TrayRemoteWorkstation::Hibernate() {
    OnGuiThread([this] { power_.Hibernate(); });
}

bool TrayRemoteWorkstation::RunUpdateScript(const std::string& path, bool hidden) {
    return RunShellScript(path, hidden);
}

bool TrayRemoteWorkstation::ShutdownComputer(const ShutdownRequest& request) {
    return shutdown_.Request(request);
}

}  // namespace ostrel
