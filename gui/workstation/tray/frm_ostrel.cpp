#include "workstation/tray/frm_ostrel.h"

#include <QCoreApplication>

#include "workstation/process/instance_messages.h"
#include "workstation/process/program_version.h"
#include "workstation/process/startup_entries.h"

namespace ostrel {

TfrmOstrel::TfrmOstrel(AgentEnvironment& environment, InstanceChannel& channel,
                       std::string commandLineText)
    : environment_(environment), channel_(channel), commandLineText_(std::move(commandLineText)) {
    EventLog& log = environment_.Log();
    log.SetDebugSwitches(false, false);
    log.ConsoleLog(std::string("Starting Ostrel 3.0(") + kProgramVersion + ")");

    timer1_.setObjectName("Timer1");
    timer1_.setSingleShot(true);
    timer1_.setInterval(kLaunchDelayMs);
    connect(&timer1_, &QTimer::timeout, this, &TfrmOstrel::LaunchRequested);

    ReadCommandLine();

    hide();
    log.ConsoleLog("Setting directories...");
    environment_.CreateFolders();
    log.ConsoleLog("Creating user list...");
    environment_.LoadSettings();
}

void TfrmOstrel::ReadCommandLine() {
    EventLog& log = environment_.Log();
    switches_ = ReadSwitches(commandLineText_);
    log.SetDebugSwitches(switches_.saveDebug, switches_.showDebug);
    startReason_ = StartReasonFor(switches_);
    if (switches_.gotoGiven) {
        const auto url = GotoUrlFor(switches_.gotoText, environment_.Files());
        if (url) {
            gotoUrl_ = *url;
        } else {
            log.ConsoleLog(kGotoNotFound);
        }
    }
    if (switches_.ro) {
        RemoveRunOnceEntry(environment_.Files(),
                           AutostartFolder(environment_.System().ConfigFolder()));
    }
    if (switches_.halt) Halt();
}

void TfrmOstrel::Halt() {
    environment_.Log().DebugLog("received halt message");
    channel_.Withdraw();
    channel_.SendToRunningInstance(kTerminateRequest);
    QCoreApplication::processEvents();
    Terminate();
}

void TfrmOstrel::SetLockForm(QWidget* form) {
    frmMain_ = form;
}

bool TfrmOstrel::LockFormExists() const {
    return !frmMain_.isNull();
}

void TfrmOstrel::StartLockScreen() {
    timer1_.start();
}

void TfrmOstrel::SetCommandLineText(const std::string& text) {
    commandLineText_ = text;
    switches_.noPrompt = ReadSwitches(text).noPrompt;
}

void TfrmOstrel::BringToFront() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

void TfrmOstrel::Terminate() {
    // Queued, so it also ends a message loop that has not started yet.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void TfrmOstrel::HandleMessage(InstanceMessage message) {
    HandleInstanceMessage(message, *this, environment_.Log());
}

}  // namespace ostrel
