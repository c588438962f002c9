#pragma once

#include <QObject>

#include "linux/logind_power.h"
#include "linux/logind_shutdown.h"
#include "linux/x11_idle_source.h"
#include "workstation/agent_environment.h"
#include "workstation/remote/remote_workstation.h"

namespace ostrel {

class TfrmOstrel;

// The running agent as the remote commands see it. Created on the GUI thread; its calls come
// from the server's thread and hand GUI work to the tray controller with queued invocations.
class TrayRemoteWorkstation : public QObject, public RemoteWorkstation {
    Q_OBJECT
public:
    TrayRemoteWorkstation(AgentEnvironment& environment, TfrmOstrel& controller);

    bool LockScreenUp() const override;
    std::int64_t LockStartTick() const override;
    std::uint32_t SystemIdleMs() const override;
    void StartLock() override;
    void PostLockCommand(const std::string& word) override;
    void ShowBalloon(const std::string& title, const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void Terminate() override;
    void StandBy() override;
    void Hibernate() override;
    bool RunUpdateScript(const std::string& path, bool hidden) override;
    bool ShutdownComputer(const ShutdownRequest& request) override;

private:
    template <typename Action>
    void OnGuiThread(Action action) {
        QMetaObject::invokeMethod(this, std::move(action), Qt::QueuedConnection);
    }

    AgentEnvironment& environment_;
    TfrmOstrel& controller_;
    X11IdleSource idle_;
    LogindPower power_;
    LogindShutdown shutdown_;
};

}  // namespace ostrel
