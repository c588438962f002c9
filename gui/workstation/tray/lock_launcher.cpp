#include "workstation/tray/lock_launcher.h"

#include <QCoreApplication>
#include <QThread>

#include "workstation/process/startup_entries.h"
#include "workstation/tray/frm_ostrel.h"

namespace ostrel {

LockLauncher::LockLauncher(AgentEnvironment& environment, TfrmOstrel& controller)
    : environment_(environment),
      controller_(controller),
      reporter_(environment.Settings(), environment.Log(), sender_),
      authenticator_(environment.Settings(), environment.Users(), environment.Log(), *this),
      checks_(environment.Settings(), authenticator_, reporter_, environment.Log(),
              environment.UserDialogs()),
      prompt_(checks_),
      authorizer_(environment.Settings(), environment.Log(), reporter_, environment.Time(), *this,
                  prompt_),
      stateFile_(environment.Files(), environment.System().DataFolder()) {
    closedTimer_.setInterval(kClosedCheckMs);
    connect(&closedTimer_, &QTimer::timeout, this, &LockLauncher::DeleteClosedForms);
}

LockLauncher::~LockLauncher() {
    delete frmMain_;
    for (const QPointer<TfrmMain>& form : closed_) delete form;
}

void LockLauncher::Launch() {
    if (frmMain_ != nullptr) return;
    const CommandLineSwitches& switches = controller_.Switches();
    SessionStart start;
    start.commandLineText = controller_.CommandLineText();
    start.gotoUrl = controller_.GotoUrl();
    start.startReason = controller_.StartReason();
    start.userName = environment_.System().UserName();
    start.programFolder = environment_.System().ProgramFolder();
    start.isAdmin = environment_.System().IsAdmin();
    start.noPrompt = switches.noPrompt;
    start.runOnce = switches.ro;
    start.killOnClose = switches.killOnClose;
    LockFormServices services{environment_.Log(),
                              environment_.Settings(),
                              environment_.Users(),
                              environment_.Time(),
                              environment_.Files(),
                              folders_,
                              environment_.UserDialogs(),
                              authenticator_,
                              authorizer_,
                              reporter_,
                              launcher_,
                              *this,
                              environment_.Presets(),
                              environment_.PendingMessage(),
                              environment_.RemoteUser()};
    frmMain_ = new TfrmMain(services, std::move(start));
    starting_ = true;
    frmMain_->Startup();
    starting_ = false;
}

void LockLauncher::CloseLockForm() {
    if (frmMain_ == nullptr) return;
    frmMain_->hide();
    closed_.push_back(frmMain_);
    frmMain_ = nullptr;
    closedTimer_.start();
}

void LockLauncher::DeleteClosedForms() {
    // The session may end below its own start-up or a modal dialog of its form: the form's code
    // is still running then, and the form goes once the main loop alone is left.
    if (starting_ || QThread::currentThread()->loopLevel() > 1) return;
    closedTimer_.stop();
    for (const QPointer<TfrmMain>& form : closed_) delete form;
    closed_.clear();
}

void LockLauncher::SetLockScreenUp(bool up) {
    controller_.SetLockScreenUp(up);
}

void LockLauncher::SetCanCloseOstrel(bool canClose) {
    controller_.SetCanCloseOstrel(canClose);
}

void LockLauncher::CloseMainForm() {
    controller_.CloseMainForm();
}

void LockLauncher::HideControllerForm() {
    controller_.hide();
}

bool LockLauncher::WriteStartupData() {
    const std::string autostart = AutostartFolder(environment_.System().ConfigFolder());
    environment_.Files().CreateDirectory(autostart);
    const StartupDataContext context{QCoreApplication::applicationFilePath().toStdString(),
                                     autostart, controller_.Switches().ro};
    return ostrel::WriteStartupData(context, environment_.Settings(), environment_.Files(),
                                    environment_.Log());
}

void LockLauncher::StartRestartProgram() {
    launcher_.Start(environment_.System().ProgramFolder() + "restartOstrel3.exe", {});
}

void LockLauncher::TerminateProcess() {
    controller_.Terminate();
}

void LockLauncher::RecordLockedSession(const LockedSessionRecord& record) {
    if (!stateFile_.Write(record)) {
        environment_.Log().WriteLog(
            "The lock could not record its state; a restarted agent will not lock again");
    }
}

LockFormStatus LockLauncher::Status() const {
    if (frmMain_ == nullptr) return LockFormStatus::kAbsent;
    return frmMain_->Session().Locked() ? LockFormStatus::kLocked : LockFormStatus::kUnlocked;
}

void LockLauncher::ReleaseMenuButton() {}

void LockLauncher::ConsoleAppend(const std::string& text) {
    // Any thread: the form is looked at on the GUI thread only.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            if (frmMain_ != nullptr) frmMain_->ConsoleAppend(text);
        },
        Qt::QueuedConnection);
}

}  // namespace ostrel
