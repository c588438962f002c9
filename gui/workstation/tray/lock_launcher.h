#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "common/authorization.h"
#include "common/lock_form_state.h"
#include "common/qt_unlock_prompt.h"
#include "common/security_event_reporter.h"
#include "linux/linux_folder_listing.h"
#include "linux/linux_process_launcher.h"
#include "linux/udp_datagram_sender.h"
#include "workstation/agent_environment.h"
#include "workstation/lock/lock_form.h"

namespace ostrel {

class TfrmOstrel;

// Brings the lock form up for the tray controller, and is the tray controller's side of a lock
// session: it hands the session's calls to the controller and tells the permission checks what
// state the form is in.
class LockLauncher : public QObject, public TrayLink, public LockFormState {
    Q_OBJECT
public:
    LockLauncher(AgentEnvironment& environment, TfrmOstrel& controller);
    ~LockLauncher() override;

    // Creates the lock form and runs its start-up, unless one exists.
    void Launch();
    // Hides the lock form and forgets it; it is deleted once no code of it can be running.
    void CloseLockForm();
    TfrmMain* LockForm() const { return frmMain_; }
    Authorizer& Authorization() { return authorizer_; }
    const Authenticator& Authentication() const { return authenticator_; }
    const SecurityEventReporter& Reporter() const { return reporter_; }

    // TrayLink
    void ActivateUdpClient() override {}
    void SetLockScreenUp(bool up) override;
    void SetCanCloseOstrel(bool canClose) override;
    void CloseMainForm() override;
    void HideControllerForm() override;
    bool WriteStartupData() override;
    void StartRestartProgram() override;
    void TerminateProcess() override;
    std::optional<LockedSessionRecord> LostSession() override { return stateFile_.Read(); }
    void RecordLockedSession(const LockedSessionRecord& record) override;
    void ClearLockedSession() override { stateFile_.Clear(); }

    // LockFormState
    LockFormStatus Status() const override;
    void ReleaseMenuButton() override;
    void ConsoleAppend(const std::string& text) override;

private:
    static constexpr int kClosedCheckMs = 100;

    void DeleteClosedForms();

    AgentEnvironment& environment_;
    TfrmOstrel& controller_;
    LinuxProcessLauncher launcher_;
    LinuxFolderListing folders_;
    UdpDatagramSender sender_;
    SecurityEventReporter reporter_;
    Authenticator authenticator_;
    UnlockChecks checks_;
    QtUnlockPrompt prompt_;
    Authorizer authorizer_;
    LockStateFile stateFile_;
    QPointer<TfrmMain> frmMain_;
    bool starting_ = false;
    std::vector<QPointer<TfrmMain>> closed_;
    QTimer closedTimer_;
};

}  // namespace ostrel
