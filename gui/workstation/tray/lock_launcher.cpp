#include "workstation/tray/lock_launcher.h"

#include <QApplication>

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
                  prompt_) {
    connect(&controller_, &TfrmOstrel::LaunchRequested, this, &LockLauncher::Launch);
}

LockLauncher::~LockLauncher() { delete frmMain_; }

void LockLauncher::Launch() {
    if (frmMain_ != nullptr) return;
    lockScreenUp_ = true;
    canCloseOstrel_ = false;
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
    LockFormServices services{environment_.Log(),   environment_.Settings(), environment_.Users(),
                              environment_.Time(),  environment_.Files(),    folders_,
                              environment_.UserDialogs(), authenticator_,    authorizer_,
                              reporter_,            launcher_,               *this};
    frmMain_ = new TfrmMain(services, std::move(start));
    controller_.SetLockForm(frmMain_);
    frmMain_->Startup();
}

void LockLauncher::CloseMainForm() {
    lockScreenUp_ = false;
    environment_.Settings().SaveLive();
    if (frmMain_ != nullptr) {
        frmMain_->hide();
        frmMain_->deleteLater();
    }
    controller_.SetLockForm(nullptr);
}

void LockLauncher::HideControllerForm() { controller_.hide(); }

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

void LockLauncher::TerminateProcess() { QApplication::quit(); }

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
