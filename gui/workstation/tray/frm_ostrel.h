#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <string>

#include "platform/instance_channel.h"
#include "workstation/agent_environment.h"
#include "workstation/process/command_line.h"
#include "workstation/process/instance_message_hook.h"

namespace ostrel {

// The tray controller: the agent's main form, hidden for the life of the process. It reads the
// command line, prepares the folders, the settings and the user list, and reacts to the
// messages of other instances.
class TfrmOstrel : public QWidget, public InstanceMessageTarget {
    Q_OBJECT

public:
    static constexpr int kLaunchDelayMs = 10;

    TfrmOstrel(AgentEnvironment& environment, InstanceChannel& channel,
               std::string commandLineText);

    const std::string& CommandLineText() const { return commandLineText_; }
    const CommandLineSwitches& Switches() const { return switches_; }
    const std::string& GotoUrl() const { return gotoUrl_; }
    const std::string& StartReason() const { return startReason_; }

    // The lock form of the session that LaunchRequested started; forgotten once destroyed.
    void SetLockForm(QWidget* form);

    bool LockFormExists() const override;
    void StartLockScreen() override;
    void SetCommandLineText(const std::string& text) override;
    void BringToFront() override;
    void Terminate() override;

public slots:
    void HandleMessage(ostrel::InstanceMessage message);

signals:
    // The launch timer fired: the lock screen is to come up.
    void LaunchRequested();

private:
    void ReadCommandLine();
    void Halt();

    AgentEnvironment& environment_;
    InstanceChannel& channel_;
    std::string commandLineText_;
    CommandLineSwitches switches_;
    std::string gotoUrl_;
    std::string startReason_ = kStartReasonDefault;
    QTimer timer1_;
    QPointer<QWidget> frmMain_;
};

}  // namespace ostrel
