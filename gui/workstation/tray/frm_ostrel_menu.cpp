// The tray menu of TfrmOstrel and its items.
#include <QCoreApplication>
#include <QProcess>

#include "common/auth_actions.h"
#include "workstation/process/tray_menu_targets.h"
#include "workstation/tray/about_box.h"
#include "workstation/tray/feedback_form.h"
#include "workstation/tray/frm_ostrel.h"
#include "workstation/tray/shell_open.h"

namespace ostrel {

namespace {

constexpr const char* kStartReasonSystemTray = "System Tray";
constexpr const char* kManagerProgram = "ostrelmanager";

struct WebItem {
    const char* caption;
    const char* page;
};

constexpr WebItem kWebItems[] = {
    {"Ostrel Home Page", ""},
    {"Layouts and Plug-ins", "layouts/"},
    {"Screen Savers", "screensavers/"},
    {"Ostrel Forums", "forums/"},
};

// The console program sits beside this one.
void StartManager() {
    QProcess::startDetached(QCoreApplication::applicationDirPath() + "/" + kManagerProgram, {});
}

}  // namespace

void TfrmOstrel::BuildMenu() {
    traypop_ = new QMenu(this);
    traypop_->setObjectName("traypop");
    QAction* launch = traypop_->addAction("Launch Ostrel", this, &TfrmOstrel::LaunchClick);
    QFont bold = launch->font();
    bold.setBold(true);
    launch->setFont(bold);
    traypop_->setDefaultAction(launch);
    traypop_->addSeparator();
    traypop_->addAction("Options", this, &TfrmOstrel::OptionsClick);
    traypop_->addAction("Ostrel Manager", this, &StartManager);
    traypop_->addAction("Run Update Script", this, [this] {
        const TrayFolders folders = Folders();
        RunScript(UpdateScriptPath(folders), folders.program);
    });
    traypop_->addSeparator();

    QMenu* logs = traypop_->addMenu("Logs");
    logs->addAction("Open Logs Folder", this, [this] { ShellOpen(LogsFolder(Folders())); });
    logs->addAction("Open Today's Log", this,
                    [this] { ShellOpen(TodaysLogPath(Folders(), environment_.Time().Now())); });
    logs->addAction("Log Manager", this, &TfrmOstrel::LogManagerClick);

    QMenu* computer = traypop_->addMenu("Computer");
    computer->addAction("Ostrel Folder", this, [this] { ShellOpen(Folders().program); });
    computer->addAction("Ostrel Deploy Folder", this,
                        [this] { ShellOpen(DeployFolder(Folders())); });
    computer->addSeparator();
    computer->addAction("My Computer")->setEnabled(false);
    computer->addAction("Power Settings")->setEnabled(false);

    QMenu* web = traypop_->addMenu("Web");
    for (const WebItem& item : kWebItems) {
        web->addAction(item.caption, this, [page = item.page] { ShellOpen(MakerPage(page)); });
    }

    QMenu* quality = traypop_->addMenu("Quality Control");
    quality->addAction("Report a Bug", this, [] { ShellOpen(MakerPage("bugs/")); });
    quality->addAction("Send Quick Feedback", this, [this] {
        TfrmFeedback feedback(this);
        feedback.exec();
    });
    quality->addSeparator();
    showDebugItem_ = quality->addAction("Show Debug Info");
    showDebugItem_->setCheckable(true);
    connect(showDebugItem_, &QAction::toggled, this, [this](bool checked) {
        switches_.showDebug = checked;
        environment_.Log().SetShowDebug(checked);
    });
    connect(quality, &QMenu::aboutToShow, this,
            [this] { showDebugItem_->setChecked(switches_.showDebug); });
    quality->addAction("Show Console", this, [this] {
        showNormal();
        raise();
        activateWindow();
    });

    QMenu* help = traypop_->addMenu("Help");
    help->addAction("Help Table of Contents", this,
                    [this] { ShellOpen(HelpIndexPath(Folders())); });
    help->addSeparator();
    help->addAction("Readme.txt", this, [this] { ShellOpen(Folders().program + "readme.txt"); });
    help->addAction("Whatsnew.txt", this,
                    [this] { ShellOpen(Folders().program + "whatsnew.txt"); });
    help->addSeparator();
    help->addAction("Create Support Ticket", this, [] { ShellOpen(MakerPage("support/")); });
    help->addAction("Email Development Team", this, [] { ShellOpen(kMakerSupportMail); });
    help->addSeparator();
    help->addAction("About Ostrel...", this, [this] {
        const std::int64_t uptimeMs = environment_.Time().TickMs() - createdTick_;
        TfrmAbout about(uptimeMs / 1000, Folders().program, this);
        about.exec();
    });

    traypop_->addSeparator();
    traypop_->addAction("Exit Ostrel", this, &TfrmOstrel::ExitClick);
}

void TfrmOstrel::LaunchClick() {
    startReason_ = kStartReasonSystemTray;
    timer1_.start();
}

void TfrmOstrel::OptionsClick() {
    EventLog& log = environment_.Log();
    log.DebugLog(std::to_string(environment_.Time().TickMs()) + "Options1click");
    if (!launcher_->Authorization().Authorize(AuthAction::kChangeOptions)) {
        launcher_->Reporter().Report(std::string(kTrayOptionsRefused));
        return;
    }
    log.DebugLog("creating options form");
    if (!dialogs_.options) {
        log.DebugLog("no options dialog");
        return;
    }
    log.DebugLog("frmOptions.SettingsToControls");
    log.DebugLog("ShowModal");
    const bool ok = dialogs_.options();
    log.DebugLog(std::string("optionsmodalresult:") + (ok ? "1" : "2"));
    if (!ok) {
        log.DebugLog("cancel clicked in options form");
        return;
    }
    log.DebugLog("OK clicked in options");
    TfrmMain* form = launcher_->LockForm();
    if (form != nullptr && form->isVisible()) form->Session().OstrelSettingsApply();
    RegisterHotKey();
}

void TfrmOstrel::LogManagerClick() {
    if (!launcher_->Authorization().Authorize(AuthAction::kViewLogs)) {
        launcher_->Reporter().Report(std::string(kTrayLogsRefused));
        return;
    }
    if (dialogs_.logViewer) {
        dialogs_.logViewer();
    } else {
        environment_.Log().DebugLog("no log viewer");
    }
}

void TfrmOstrel::ExitClick() {
    if (environment_.Settings().Get()->RequirePasswordToExit &&
        !launcher_->Authorization().Authorize(AuthAction::kExitOstrel)) {
        return;
    }
    canCloseOstrel_ = true;
    close();
}

}  // namespace ostrel
