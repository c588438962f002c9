#include "workstation/tray/frm_ostrel.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "common/date_format.h"
#include "workstation/process/instance_messages.h"
#include "workstation/process/program_version.h"
#include "workstation/process/startup_entries.h"
#include "workstation/process/tray_hot_key.h"
#include "workstation/process/tray_idle_watch.h"
#include "workstation/process/tray_power_events.h"
#include "workstation/remote/remote_endpoint.h"

namespace ostrel {

namespace {

constexpr int kConsoleWidth = 480;
constexpr int kConsoleHeight = 320;
constexpr int kConsoleGrowth = 400;
constexpr int kTerminateFallbackMs = 10000;
constexpr const char* kStartReasonHotkey = "Hotkey";

}  // namespace

// Mirrors the controller console into Memo1. Called with the log's lock held, from any thread.
class TfrmOstrel::ConsoleMirror : public ConsoleSink {
public:
    explicit ConsoleMirror(QPlainTextEdit* memo) : memo_(memo) {}

    void AppendLine(const std::string& line) override {
        QMetaObject::invokeMethod(
            memo_,
            [memo = memo_, text = QString::fromStdString(line)] {
                if (memo != nullptr) memo->appendPlainText(text);
            },
            Qt::QueuedConnection);
    }
    void Clear() override {
        QMetaObject::invokeMethod(
            memo_,
            [memo = memo_] {
                if (memo != nullptr) memo->clear();
            },
            Qt::QueuedConnection);
    }

private:
    QPointer<QPlainTextEdit> memo_;
};

TfrmOstrel::TfrmOstrel(AgentEnvironment& environment, InstanceChannel& channel,
                       std::string commandLineText)
    : environment_(environment), channel_(channel), commandLineText_(std::move(commandLineText)) {
    createdTick_ = environment_.Time().TickMs();
    setObjectName("frmOstrel");
    setWindowTitle("Ostrel Console");
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName("Memo1");
    memo1_->setReadOnly(true);
    memo1_->installEventFilter(this);
    memo1_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo1_);
    consoleMirror_ = std::make_unique<ConsoleMirror>(memo1_);

    EventLog& log = environment_.Log();
    log.SetControllerConsole(consoleMirror_.get());
    log.SetDebugSwitches(false, false);
    log.ConsoleLog(std::string("Starting Ostrel 3.0(") + kProgramVersion + ")");

    resize(kConsoleWidth, kConsoleHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    CreateIdleDetector();
    const LocalDateTime now = environment_.Time().Now();
    log.DebugLog("");
    log.DebugLog("******* BEGIN FrmOstrel Created at " + FormatShortDate(now) + " " +
                 FormatLongTime(now) + "*******");

    timer1_.setObjectName("Timer1");
    timer1_.setSingleShot(true);
    timer1_.setInterval(kLaunchDelayMs);
    connect(&timer1_, &QTimer::timeout, this, &TfrmOstrel::Timer1Timer);
    timer2_.setObjectName("Timer2");
    timer2_.setSingleShot(true);
    timer2_.setInterval(kReturnDelayMs);
    connect(&timer2_, &QTimer::timeout, this, &TfrmOstrel::Timer2Timer);
    trayBalloonTimer_.setSingleShot(true);
    trayBalloonTimer_.setInterval(kTrayReadyHideMs);
    connect(&trayBalloonTimer_, &QTimer::timeout, this, &TfrmOstrel::ReturnedToTray);
    mainTimer_.setObjectName("MainTimer");
    mainTimer_.setInterval(kIdleWatchMs);
    connect(&mainTimer_, &QTimer::timeout, this, &TfrmOstrel::MainTimerTimer);
    mainTimer_.start();
    quitTimer_.setObjectName("quitTimer");
    connect(&quitTimer_, &QTimer::timeout, this, &TfrmOstrel::QuitTimerTimer);

    ReadCommandLine();

    hide();
    log.ConsoleLog("Setting directories...");
    environment_.CreateFolders();
    log.ConsoleLog("Creating user list...");
    environment_.LoadSettings();
    launcher_ = std::make_unique<LockLauncher>(environment_, *this);

    log.ConsoleLog("Setting hot key...");
    syshot_ = std::make_unique<X11HotKeys>([&log](const std::string& text) { log.DebugLog(text); });
    connect(syshot_.get(), &X11HotKeys::HotKeyPressed, this, &TfrmOstrel::HotKeyPressed);
    RegisterHotKey();

    BuildMenu();
    tray_ = std::make_unique<TrayIcon>(log, *traypop_);
    connect(tray_.get(), &TrayIcon::DoubleClicked, this, &TfrmOstrel::LaunchClick);
    tray_->Refresh();
    compinfo_ = std::make_unique<ComputerInfoEvents>(
        [&log](const std::string& text) { log.DebugLog(text); });
    connect(compinfo_.get(), &ComputerInfoEvents::PowerEvent, this, &TfrmOstrel::PowerEvent);
    connect(compinfo_.get(), &ComputerInfoEvents::DisplayChanged, this,
            &TfrmOstrel::DisplayChanged);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfrmOstrel::SessionEnding);
    remote_ = std::make_unique<RemoteEndpoint>(environment_, *this, launcher_->Authentication());

    StartInTrayOrLocked();
}

TfrmOstrel::~TfrmOstrel() {
    remote_.reset();
    launcher_.reset();
    environment_.Log().SetControllerConsole(nullptr);
}

void TfrmOstrel::CreateIdleDetector() {
    EventLog& log = environment_.Log();
    idleDetector_ =
        std::make_unique<IdleDetectorHost>([&log](const std::string& text) { log.DebugLog(text); });
    TmcDetectIdle& detector = idleDetector_->Detector();
    detector.SetOnChange([](TmcDetectIdle&, IdleChangeSet) {});
    detector.SetTimerEnabled(false);
    detector.SetMaxAppIdleTime(kIdleThresholdMs);
    detector.SetMaxSysIdleTime(kIdleThresholdMs);
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
    if (switches_.runFor && switches_.quitIntervalMs > 0) {
        quitTimer_.setInterval(switches_.quitIntervalMs);
        quitTimer_.start();
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

void TfrmOstrel::StartInTrayOrLocked() {
    if (switches_.halt) return;
    EventLog& log = environment_.Log();
    if (launcher_->LostSession()) {
        // The agent died while locked: the workstation is locked again before anything else.
        log.WriteLog("Lock restored after an unexpected exit");
        canCloseOstrel_ = false;
        timer1_.start();
        return;
    }
    if (switches_.runTray) {
        log.DebugLog("runtray=true, enabling timer2");
        canCloseOstrel_ = true;
        QCoreApplication::processEvents();
        timer2_.start();
    } else {
        log.DebugLog("runtray=false, enabling timer1");
        canCloseOstrel_ = false;
        timer1_.start();
    }
}

void TfrmOstrel::Timer1Timer() {
    timer1_.stop();
    if (LockFormExists()) {
        environment_.Log().DebugLog("frmOstrel.timer1.onTimer: lock screen up already");
        return;
    }
    Launch();
}

void TfrmOstrel::Launch() {
    EventLog& log = environment_.Log();
    timer1_.stop();
    mainTimer_.stop();
    trayBalloonTimer_.stop();
    log.DebugLog("frmOstrel.timer1.onTimer");
    canCloseOstrel_ = false;
    log.ConsoleLog("Launching lock screen...");
    lockStartTick_ = environment_.Time().TickMs();
    // Up before the session starts, so that a session ending within its start-up clears it.
    lockScreenUp_ = true;
    launcher_->Launch();
    TraceTopWindow("TopWin FStimer1: ");
    TraceTopWindow("TopWin FStimer2: ");
    FocusLockForm();
}

void TfrmOstrel::FocusLockForm() {
    TfrmMain* form = launcher_->LockForm();
    if (form == nullptr || form->Session().Ended()) return;
    EventLog& log = environment_.Log();
    log.DebugLog("No focus. Trying to set focus.");
    form->FocusBox();
    QWidget* active = form->focusWidget();
    const QString name = active != nullptr ? active->objectName() : QString();
    log.DebugLog("Done. Active Control: " + name.toStdString());
    if (name == "browser") {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(active, &press);
        QApplication::sendEvent(active, &release);
    }
    TraceTopWindow("TopWin FStimer3: ");
    form->FocusDocument();
}

void TfrmOstrel::TraceTopWindow(const std::string& prefix) {
    EventLog& log = environment_.Log();
    if (!log.DebugEnabled()) return;
    const QWidget* top = QApplication::activeWindow();
    log.DebugLog(prefix + (top != nullptr ? top->windowTitle().toStdString() : std::string()));
}

void TfrmOstrel::CloseMainForm() {
    EventLog& log = environment_.Log();
    log.DebugLog("begin CloseMainForm");
    environment_.Settings().SaveLive();
    launcher_->CloseLockForm();
    log.DebugLog("end CloseMainForm");
    timer2_.start();
}

void TfrmOstrel::Timer2Timer() {
    timer2_.stop();
    if (switches_.runTray) hide();
    if (environment_.Settings().Get()->CheckForUpdates) {
        environment_.Log().ConsoleLog("Checking For Updates...");
        environment_.Log().DebugLog("***********creating frmUpdate");
        if (dialogs_.updateCheck) dialogs_.updateCheck();
    }
    tray_->Refresh();
    balloonShown_ = true;
    tray_->ShowBalloon(kTrayReadyTitle, TrayReadyText(HotKeyText()), true, kTrayReadyShowMs);
    trayBalloonTimer_.start();
}

void TfrmOstrel::ReturnedToTray() {
    tray_->HideBalloon();
    balloonShown_ = false;
    mainTimer_.start();
}

void TfrmOstrel::MainTimerTimer() {
    const auto settings = environment_.Settings().Get();
    if (!settings->idleLock) return;
    EventLog& log = environment_.Log();
    const IdleWatchStep step =
        IdleWatchTick({settings->idleLock, settings->lockTime,
                       idleDetector_->Detector().SystemIdleTime(), balloonShown_, lockScreenUp_});
    if (step.showWarning) {
        log.DebugLog("showing balloon hint...");
        balloonShown_ = true;
        tray_->ShowBalloon(kIdleWarningTitle, kIdleWarningText, false, kIdleWarningShowMs);
    }
    if (step.lock) log.DebugLog("hiding balloon hint. lockdown.");
    if (step.hideBalloon) {
        tray_->HideBalloon();
        balloonShown_ = false;
    }
    if (!step.lock) return;
    Launch();
    TfrmMain* form = launcher_->LockForm();
    if (form != nullptr && !form->Session().Ended()) form->PostCommand("focus");
}

void TfrmOstrel::QuitTimerTimer() {
    TfrmMain* form = launcher_->LockForm();
    if (lockScreenUp_ && form != nullptr) form->PostCommand("terminate");
}

void TfrmOstrel::PostToLockForm(const std::string& word) {
    TfrmMain* form = launcher_->LockForm();
    if (form != nullptr && !form->Session().Ended()) form->PostCommand(word);
}

void TfrmOstrel::ShowBalloonHint(const std::string& title, const std::string& text, int timeoutMs) {
    tray_->ShowBalloon(title, text, true, timeoutMs);
}

void TfrmOstrel::RegisterHotKey() {
    syshot_->Clear();
    const auto settings = environment_.Settings().Get();
    for (const NumberedHotKey& hotKey : HotKeysToRegister(*settings, switches_.showDebug)) {
        syshot_->Add(hotKey);
    }
    syshot_->Activate();
}

std::string TfrmOstrel::HotKeyText() const {
    return ostrel::HotKeyText(*environment_.Settings().Get());
}

void TfrmOstrel::HotKeyPressed(int number) {
    if (number != kLockHotKey || LockFormExists()) return;
    BringToFront();
    startReason_ = kStartReasonHotkey;
    timer1_.start();
}

void TfrmOstrel::PowerEvent(int event) {
    HandlePowerEvent(event, *environment_.Settings().Get(), environment_.Log(), udpClient_);
}

void TfrmOstrel::DisplayChanged() {
    environment_.Log().DebugLog("Display Changed.");
    TfrmMain* form = launcher_->LockForm();
    if (!lockScreenUp_ || form == nullptr) return;
    form->ReleaseBlackouts();
    form->FillScreen();
    form->LayOutBar();
}

void TfrmOstrel::SessionEnding() {
    canCloseOstrel_ = true;
    close();
}

bool TfrmOstrel::LockFormExists() const {
    return launcher_ != nullptr && launcher_->LockForm() != nullptr;
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
    // A running session ends in order first, so that what it changed is put back; it ends the
    // process itself, or the fallback does when it cannot.
    TfrmMain* form = launcher_ != nullptr ? launcher_->LockForm() : nullptr;
    if (form != nullptr && !form->Session().Ended()) {
        form->PostCommand("terminate");
        QTimer::singleShot(kTerminateFallbackMs, QCoreApplication::instance(),
                           &QCoreApplication::quit);
        return;
    }
    // Queued, so it also ends a message loop that has not started yet.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void TfrmOstrel::HandleMessage(InstanceMessage message) {
    HandleInstanceMessage(message, *this, environment_.Log());
}

void TfrmOstrel::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (event->spontaneous()) {
        // Closing the console window from the desktop only puts it away.
        hide();
        return;
    }
    EventLog& log = environment_.Log();
    log.DebugLog(std::string("frmOstrel.CloseQuery .. canCloseOstrel = ") +
                 (canCloseOstrel_ ? "true" : "false"));
    if (!canCloseOstrel_) return;
    event->accept();
    log.DebugLog("FrmOstrel closing..");
    Terminate();
}

void TfrmOstrel::keyPressEvent(QKeyEvent* event) {
    if (!HandleConsoleKey(event->key())) QWidget::keyPressEvent(event);
}

bool TfrmOstrel::HandleConsoleKey(int key) {
    if (key == Qt::Key_Z) {
        resize(width(), height() + kConsoleGrowth);
        return true;
    }
    if (key == Qt::Key_C) {
        QGuiApplication::clipboard()->setText(memo1_->toPlainText());
        return true;
    }
    return false;
}

void TfrmOstrel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && tray_ != nullptr &&
        tray_->Shown()) {
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
    }
}

bool TfrmOstrel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == memo1_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::ShiftModifier) {
            return HandleConsoleKey(key->key());
        }
    }
    if (event->type() == QEvent::MouseButtonPress && watched == memo1_->viewport()) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

TrayFolders TfrmOstrel::Folders() const {
    const LinuxSystemInfo& system = environment_.System();
    return {system.ProgramFolder(), system.DataFolder(), QDir::homePath().toStdString() + "/"};
}

}  // namespace ostrel
