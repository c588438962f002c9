#include "workstation/lock/lock_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "common/colour_text.h"
#include "common/first_time_form.h"
#include "common/font_text.h"
#include "common/modal_result.h"
#include "common/text_helpers.h"
#include "linux/logind_power.h"
#include "linux/x11_connection.h"
#include "workstation/lock/blackout_form.h"
#include "workstation/lock/qt_font_colour.h"
#include "workstation/lock/screen_cover.h"
#include "workstation/lock/slf_layout_menu.h"
#include "workstation/lock/slf_layouts_menu.h"
#include "workstation/lock/system_keys.h"
#include "workstation/lock/slf_label.h"
#include "workstation/messages/leave_message_form.h"
#include "workstation/messages/messages_form.h"
#include "workstation/messages/pick_away_msg_form.h"

namespace ostrel {

namespace {

constexpr int kCommandDelayMs = 100;
constexpr int kMenuDelayMs = 50;
constexpr int kRestackMs = 500;
constexpr int kRelockSeconds = 60;

QRect ToQRect(const ScreenRect& r) {
    return QRect(r.left, r.top, r.width, r.height);
}

// The key in the lock's virtual-key numbering, shortcut keys included; 0 for other keys.
int ShortcutKeyCode(int qtKey) {
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return kKeyF1 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return kKeyLetterA + (qtKey - Qt::Key_A);
    return 0;
}

KeyDownState KeyStateOf(const QKeyEvent* key, int virtualKey) {
    KeyDownState state;
    state.virtualKey = virtualKey;
    state.altDown = key->modifiers().testFlag(Qt::AltModifier);
    state.ctrlDown = key->modifiers().testFlag(Qt::ControlModifier);
    state.shiftDown = key->modifiers().testFlag(Qt::ShiftModifier);
    return state;
}

// The key as the lock's keyboard rules number it; 0 for keys the rules do not name.
int LockKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return kKeyTab;
        case Qt::Key_Escape:
            return kKeyEscape;
        case Qt::Key_F4:
            return kKeyF4;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return kKeyLeftWindows;
        case Qt::Key_Super_R:
            return kKeyRightWindows;
        default:
            return 0;
    }
}

}  // namespace

// Mirrors the daily log's console lines into the form's console from any thread.
class TfrmMain::ConsoleMirror : public ConsoleSink {
public:
    explicit ConsoleMirror(QPlainTextEdit* memo) : memo_(memo) {}
    void AppendLine(const std::string& line) override {
        QMetaObject::invokeMethod(
            memo_,
            [memo = memo_, text = QString::fromStdString(line)] { memo->appendPlainText(text); },
            Qt::QueuedConnection);
    }

private:
    QPointer<QPlainTextEdit> memo_;
};

TfrmMain::TfrmMain(LockFormServices services, SessionStart start)
    : QWidget(nullptr, LockWindowFlags()),
      services_(services),
      start_(std::move(start)),
      lockdown_(services.log, services.files),
      plugins_(services.launcher, services.log) {
    setObjectName("frmMain");
    setWindowTitle("Ostrel 3.0");
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(black);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panMain_ = new QWidget(this);
    panMain_->setObjectName("panMain");
    layout->addWidget(panMain_, 1);

    bar_ = new TOstrelBar(this);
    layout->addWidget(bar_);
    helpStrip_ = new THelpStrip(this);
    connect(helpStrip_, &THelpStrip::goBack, this, &TfrmMain::HelpBack);
    connect(helpStrip_, &THelpStrip::contents, this, [this] { Navigate(HelpIndexUrl()); });
    connect(helpStrip_, &THelpStrip::exitHelp, this, [this] {
        session_->OstrelSettingsApply();
        helpStrip_->hide();
    });

    renderer_ = std::make_unique<SlfRenderer>(panMain_);
    connect(renderer_.get(), &SlfRenderer::okClicked, this, &TfrmMain::ExitOKClick);
    connect(bar_, &TOstrelBar::menuClicked, this, &TfrmMain::OpenMenu);
    connect(bar_, &TOstrelBar::minimizeClicked, this, &TfrmMain::MinimizeBar);
    connect(bar_, &TOstrelBar::optionsClicked, this, [this] { PostCommand("options"); });
    connect(bar_, &TOstrelBar::networkClicked, this, &TfrmMain::NetworkClick);
    connect(bar_, &TOstrelBar::consoleToggleClicked, this, &TfrmMain::ConsoleToggleClick);
    connect(bar_, &TOstrelBar::helpClicked, this, &TfrmMain::HelpClick);
    connect(bar_, &TOstrelBar::pageLinkClicked, this,
            [this](const QString& url) { Navigate(url.toStdString()); });
    connect(renderer_.get(), &SlfRenderer::leaveMessageClicked, this, [this] {
        services_.log.DebugLog("LeaveMessage Request by BTN");
        LeaveAMessage();
    });
    connect(renderer_.get(), &SlfRenderer::messageCountClicked, this, [this] {
        services_.log.DebugLog("MessageCountLabel - Clicked");
        ReadMessages();
    });
    connect(renderer_.get(), &SlfRenderer::messageCountDoubleClicked, this,
            [this] { services_.log.DebugLog("MessageCountLabel - Double Clicked"); });

    consoleMirror_ = std::make_unique<ConsoleMirror>(bar_->Console());
    services_.log.SetLockConsole(consoleMirror_.get());

    nextCommandTimer_.setSingleShot(true);
    nextCommandTimer_.setInterval(kCommandDelayMs);
    connect(&nextCommandTimer_, &QTimer::timeout, this, &TfrmMain::NextCommandTimerTimer);
    menuTimer_.setSingleShot(true);
    menuTimer_.setInterval(kMenuDelayMs);
    connect(&menuTimer_, &QTimer::timeout, this, [this] {
        services_.log.DebugLog("doOstrelMenu");
        bar_->show();
        OpenMenu();
    });
    keyTimer_.setInterval(1000);
    connect(&keyTimer_, &QTimer::timeout, this, &TfrmMain::UpdateClocks);
    restackTimer_.setInterval(kRestackMs);
    connect(&restackTimer_, &QTimer::timeout, this, &TfrmMain::MakeTopmost);
    lockdown_.SetRestack([this] { MakeTopmost(); });
    lockTimer_.setInterval(1000);
    connect(&lockTimer_, &QTimer::timeout, this, [this] {
        if (--lockCountdown_ > 0) {
            bar_->TimeToLock()->setText(QString("%1 seconds to lock").arg(lockCountdown_));
            return;
        }
        lockTimer_.stop();
        bar_->TimeToLock()->hide();
        session_->MarkLocked();
    });

    // The agent lives on in the tray: closing the lock's last dialog must not end the process.
    QApplication::setQuitOnLastWindowClosed(false);
    qApp->installEventFilter(this);
    session_ = std::make_unique<LockSession>(services_.log, services_.settings, services_.clock,
                                             services_.authenticator, services_.reporter, *this,
                                             lockdown_, services_.tray, start_);
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    services_.log.SetLockConsole(nullptr);
    services_.log.DebugLog("frmMain.destroy");
}

void TfrmMain::Startup() {
    session_->Startup();
}

void TfrmMain::PostCommand(const std::string& word) {
    session_->Commands().Post(word);
    QMetaObject::invokeMethod(
        this, [this] { nextCommandTimer_.start(); }, Qt::QueuedConnection);
}

void TfrmMain::NextCommandTimerTimer() {
    const std::optional<std::string> word = session_->Commands().TakePending();
    if (!word) return;
    services_.log.DebugLog("NextCommand: " + *word);
    DispatchCommand(*word, *this);
}

void TfrmMain::ResetSession() {
    lockCountdown_ = 0;
    browserHistory_ = {"about:blank"};
    rightClicks_.Reset();
}

void TfrmMain::ClearStatusLabels() {
    bar_->ClearStatusLabels();
}

void TfrmMain::ShowConsolePage(bool console) {
    bar_->ShowConsolePage(console);
}

void TfrmMain::ShowSysInfoPanel(bool show) {
    bar_->ShowSysInfoPanel(show);
}

void TfrmMain::PrepareBar() {
    bar_->LayOut();
}

void TfrmMain::LayOutBar() {
    bar_->LayOut();
}

void TfrmMain::SetNetworkIndicator(bool suspended) {
    bar_->SetNetworkIndicator(suspended);
}

void TfrmMain::SetConsoleToggle(bool consoleShowing) {
    bar_->SetConsoleToggle(consoleShowing);
}

void TfrmMain::OpenMiniBrowser(const std::string& url) {
    bar_->OpenMiniBrowser(QString::fromStdString(url));
}

void TfrmMain::InvalidateScreen() {
    update();
}

void TfrmMain::FillScreen() {
    std::vector<ScreenRect> monitors;
    QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary != nullptr) {
        screens.removeAll(primary);
        screens.prepend(primary);
    }
    for (const QScreen* screen : screens) {
        const QRect g = screen->geometry();
        monitors.push_back({g.left(), g.top(), g.width(), g.height()});
    }
    const ScreenCover cover = PlanScreenCover(monitors);
    services_.log.DebugLog("scrLeft: " + std::to_string(cover.lockForm.left));
    setGeometry(ToQRect(cover.lockForm));
    show();
    blackouts_.clear();  // a display change brings a new set of monitors
    for (const ScreenRect& rect : cover.blackouts) {
        blackouts_.push_back(std::make_unique<TfrmBlackout>(ToQRect(rect)));
        blackouts_.back()->show();
    }
    lockdown_.SetLockWindow(windowHandle());
    restackTimer_.start();
}

void TfrmMain::ProcessEvents() {
    QApplication::processEvents();
}

void TfrmMain::FillMenus() {
    BuildMenu();
}

void TfrmMain::ApplySettings(const TOstrelSettings& settings) {
    services_.awayPresets.Load(settings.awayMessages);
    QPalette barPalette = bar_->palette();
    if (const auto colour = ParseColourText(settings.color)) {
        if (const auto qcolour = ToQColor(*colour, barPalette)) {
            barPalette.setColor(QPalette::Window, *qcolour);
            bar_->setPalette(barPalette);
        }
    } else {
        services_.log.DebugLog("exception ostrelbar color");
    }
    QPlainTextEdit* memo1 = bar_->Console();
    if (const auto font = ParseFontText(settings.statusFont)) {
        memo1->setFont(ToQFont(*font));
        QPalette memoPalette = memo1->palette();
        if (const auto qcolour = ToQColor(font->colour, memoPalette)) {
            memoPalette.setColor(QPalette::Text, *qcolour);
        }
        memoPalette.setColor(QPalette::Base, barPalette.color(QPalette::Window));
        memo1->setPalette(memoPalette);
    } else {
        services_.log.DebugLog("exception ostrelbar font");
    }

    if (settings.LayoutMode == 0) {
        htmlFallback_ = false;
        const SlfContext context{start_.programFolder, session_->AwayMessage()};
        LoadSLFLayout(settings.LayoutFile, context, *renderer_,
                      {services_.files, services_.dialogs, plugins_});
        // A layout loaded again (refresh, another layout) keeps counting the session's notes.
        if (!messages_.Empty()) ShowMessageCount();
    } else {
        // Web layouts are drawn as plain credentials until the embedded browser exists.
        htmlFallback_ = true;
        plugins_.UnloadPlugins();
        renderer_->HideAll();
        const QRect area = panMain_->rect().isEmpty() ? rect() : panMain_->rect();
        const int width = 260;
        const int left = (area.width() - width) / 2;
        const int top = area.height() / 2 - 40;
        QLineEdit* user = renderer_->UserNameBox();
        QLineEdit* password = renderer_->PasswordBox();
        if (settings.multiUser) {
            user->setGeometry(left, top - 36, width, 28);
            user->setPlaceholderText("User name");
            user->show();
        }
        password->setGeometry(left, top, width, 28);
        password->setPlaceholderText("Password");
        password->show();
        if (auto* ok = panMain_->findChild<QPushButton*>("btnExitOK")) {
            ok->setText("OK");
            ok->setGeometry(left + width - 90, top + 40, 90, 30);
            ok->show();
        }
    }
    UpdateClocks();
    if (layoutsMenu_ != nullptr) TickLayoutItem(*layoutsMenu_, settings.LayoutFile);
}

void TfrmMain::Navigate(const std::string& url) {
    services_.log.DebugLog("navigating to url: " + url);
    browserHistory_.push_back(url);
}

void TfrmMain::HelpBack() {
    if (browserHistory_.size() > 1) browserHistory_.pop_back();
}

void TfrmMain::PickAwayMessage() {
    RunAwayPicker(true);
}

void TfrmMain::RunAwayPicker(bool countdown) {
    const auto settings = services_.settings.Get();
    TfrmPickAwayMsg picker(services_.awayPresets,
                           {session_->AwayMessage(), settings->DefaultAwayMessage,
                            settings->secsBeforeDefaultMsg, countdown},
                           this);
    picker.exec();
    services_.log.DebugLog("AwayMessage: " + picker.Chosen());
    session_->SetAwayMessage(picker.Chosen());
    renderer_->AwayMessageLabel()->SetCaption(QString::fromStdString(picker.Chosen()));
}

bool TfrmMain::RunFirstRunDialog() {
    TfrmFirstTime dialog(services_.settings, services_.users, services_.dialogs, this);
    dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowStaysOnTopHint |
                          Qt::X11BypassWindowManagerHint);
    return dialog.exec() == kModalAbort;
}

void TfrmMain::BringToForeground() {
    raise();
    activateWindow();
}

void TfrmMain::MakeTopmost() {
    raise();
    for (const auto& blackout : blackouts_) blackout->raise();
    // The lock's open menu and modal dialog (password, messages) stay above it, and a modal
    // dialog keeps the keyboard; otherwise the keyboard comes back to the lock form.
    QWidget* popup = QApplication::activePopupWidget();
    if (popup != nullptr) popup->raise();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
    } else if (popup == nullptr && isVisible() && !isActiveWindow()) {
        activateWindow();
    }
}

void TfrmMain::HideBar(bool entirely) {
    if (entirely) {
        bar_->hide();
    } else {
        bar_->SetHeight(TOstrelBar::kCollapsedHeight);
    }
}

void TfrmMain::MinimizeBar() {
    if (services_.settings.Get()->HideOstrelBarOnMinimize) {
        bar_->hide();
        return;
    }
    bar_->ToggleCollapsed();
}

void TfrmMain::StartStatusTimers(const std::string& menuCaption) {
    pop1_.setTitle(QString::fromStdString(menuCaption));
    keyTimer_.start();
}

void TfrmMain::EnableMenuButton() {
    bar_->MenuButton()->setEnabled(true);
}

void TfrmMain::FocusForm() {
    activateWindow();
}

void TfrmMain::SetLockedGlyph(bool locked) {
    bar_->SetLockedGlyph(locked);
}

void TfrmMain::StartRelockCountdown() {
    lockCountdown_ = kRelockSeconds;
    bar_->TimeToLock()->setText(QString("%1 seconds to lock").arg(lockCountdown_));
    bar_->TimeToLock()->show();
    lockTimer_.start();
}

void TfrmMain::ConsoleAppend(const std::string& text) {
    QMetaObject::invokeMethod(
        bar_->Console(),
        [memo = QPointer<QPlainTextEdit>(bar_->Console()), line = QString::fromStdString(text)] {
            if (memo == nullptr) return;
            QTextCursor cursor = memo->textCursor();
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(line);
        },
        Qt::QueuedConnection);
}

int TfrmMain::PluginCount() {
    return static_cast<int>(plugins_.Loaded().size());
}

void TfrmMain::StopPlugins() {
    plugins_.UnloadPlugins();
}

void TfrmMain::ReleaseBlackouts() {
    blackouts_.clear();
}

void TfrmMain::FreeLayoutControls() {
    renderer_->FreeCreatedControls();
}

void TfrmMain::FocusBox() {
    activateWindow();
    renderer_->FocusCredentials();
}

void TfrmMain::ExitOKClick() {
    QLineEdit* user = renderer_->UserNameBox();
    QLineEdit* password = renderer_->PasswordBox();
    const bool ended =
        session_->CheckExitCredentials(user->text().toStdString(), password->text().toStdString());
    if (ended) {
        nextCommandTimer_.start();
        return;
    }
    password->clear();
    if (services_.settings.Get()->multiUser) {
        user->clear();
        if (user->isVisible()) user->setFocus();
    } else {
        password->setFocus();
    }
}

void TfrmMain::UnlockExitClick() {
    if (unlockExitAsking_) return;  // one permission dialog at a time
    if (!session_->Locked()) {
        session_->Shutdown();
        return;
    }
    services_.log.WriteLog("Request to Unlock & Exit");
    unlockExitAsking_ = true;
    const bool granted = services_.authorizer.Authorize("unlock && exit Ostrel", kPermissionUnlock);
    unlockExitAsking_ = false;
    if (granted) {
        PostCommand("shutdown");
    } else {
        FocusBox();
    }
}

void TfrmMain::BuildMenu() {
    pop1_.clear();
    auto* awayMessage = pop1_.addAction("Change Away Message");
    connect(awayMessage, &QAction::triggered, this, &TfrmMain::ChangeAwayMessage);
    auto* messages = pop1_.addAction("No Messages");
    messages->setObjectName("Messages2");
    connect(messages, &QAction::triggered, this, &TfrmMain::ReadMessages);
    layoutsMenu_ = pop1_.addMenu("Layouts");
    const auto entries = LayoutMenuEntries(start_.programFolder, services_.files, services_.folders,
                                           services_.dialogs, services_.log);
    LayoutsIntoMenu(*layoutsMenu_, entries,
                    [this](const std::string& path) { ChangeLayout(path); });
    auto* edit = pop1_.addAction("Edit this Layout's Code (F11)");
    connect(edit, &QAction::triggered, this, &TfrmMain::EditLayoutCode);
    QMenu* power = pop1_.addMenu("Power");
    connect(power->addAction("Monitor Off"), &QAction::triggered, this, &TfrmMain::MonitorOff);
    connect(power->addAction("Standby"), &QAction::triggered, this,
            [this] { Sleep(AuthAction::kStandby); });
    connect(power->addAction("Hibernate"), &QAction::triggered, this,
            [this] { Sleep(AuthAction::kHibernate); });
    connect(pop1_.addAction("Options"), &QAction::triggered, this, &TfrmMain::Options);
    auto* unlock = pop1_.addAction("Unlock Ostrel");
    unlock->setObjectName("UnlockOstrel1");
    connect(unlock, &QAction::triggered, this, [this] {
        if (services_.authorizer.Authorize("unlock Ostrel", kPermissionAdmin))
            session_->MarkUnlocked();
    });
    auto* lock = pop1_.addAction("Lock Ostrel");
    lock->setObjectName("LockOstrel1");
    connect(lock, &QAction::triggered, this, &TfrmMain::LockNow);
    auto* exit = pop1_.addAction("Unlock && E&xit");
    exit->setObjectName("UnlockExit1");
    connect(exit, &QAction::triggered, this, &TfrmMain::UnlockExitClick);
    connect(&pop1_, &QMenu::aboutToShow, this, [this, messages, unlock, lock, exit] {
        services_.log.DebugLog("pop1.popup");
        const int count = MessageCount();
        services_.log.DebugLog("tml.count : " + std::to_string(count));
        messages->setText(count > 0 ? QString("View Messages (%1)").arg(count) : "No Messages");
        messages->setEnabled(count > 0);
        const bool locked = session_->Locked();
        unlock->setVisible(locked);
        lock->setVisible(!locked);
        exit->setText(locked ? "Unlock && E&xit" : "E&xit");
        services_.log.DebugLog("end pop1.popup");
    });
    connect(&pop1_, &QMenu::aboutToHide, this, [this] { bar_->MenuButton()->setDown(false); });
}

void TfrmMain::OpenMenu() {
    QToolButton* tbOstrel = bar_->MenuButton();
    if (!tbOstrel->isEnabled()) return;
    services_.log.DebugLog("tbOstrelClick");
    tbOstrel->setDown(true);
    // The button's top-left corner, 6 pixels left (not below the button's own 0) and 10 up; the
    // bar sits at the bottom, so the menu opens upwards from there.
    const QPoint at = tbOstrel->mapToGlobal(QPoint(0, -10));
    pop1_.popup(at - QPoint(0, pop1_.sizeHint().height()));
}

void TfrmMain::ChangeLayout(const std::string& path) {
    if (session_->Locked() && !services_.authorizer.Authorize("change layouts", kPermissionAdmin)) {
        return;
    }
    services_.log.DebugLog("layout:" + path);
    QString upper = QString::fromStdString(path).toUpper();
    services_.settings.Modify([&](TOstrelSettings& s) {
        if (upper.contains(".HTM") || upper.contains(".PHP")) {
            s.LayoutMode = 1;
            s.LayoutFile = path;
        } else if (upper.contains(".INI") || upper.contains(".SLF")) {
            s.LayoutMode = 0;
            s.LayoutFile = path;
        }
    });
    if (services_.settings.Get()->LayoutMode == 1) plugins_.UnloadPlugins();
    services_.settings.SaveLive();
    session_->OstrelSettingsApply();
}

void TfrmMain::UpdateClocks() {
    renderer_->UpdateClocks(services_.clock.Now(), session_->SessionSeconds(),
                            services_.clock.TickMs() / 1000);
}

bool TfrmMain::HandleLockKey(QKeyEvent* key) {
    const KeyDownState state = KeyStateOf(key, LockKeyCode(key->key()));
    const SystemKeyDecision decision =
        DecideSystemKey(state, services_.settings.Get()->HideOstrelBar);
    if (decision.hideBar) bar_->hide();
    if (decision.openMenu) menuTimer_.start();
    if (decision.discard) {
        services_.log.ConsoleLog("System Keys Intercepted");
        return true;
    }
    if (state.virtualKey == kKeyF4 && state.altDown) {
        // The close request, which a running session refuses; asked once the key is done with.
        if (!closeRequestQueued_) {
            closeRequestQueued_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    closeRequestQueued_ = false;
                    close();
                },
                Qt::QueuedConnection);
        }
        return true;
    }
    if (state.virtualKey == kKeyEscape) bar_->MenuButton()->setDown(false);
    return false;
}

bool TfrmMain::HandleShortcut(const QKeyEvent* key) {
    const LockShortcut shortcut = ShortcutOf(KeyStateOf(key, ShortcutKeyCode(key->key())));
    if (shortcut == LockShortcut::kNone) return false;
    // Run once the key is done with: the items open modal dialogs.
    QMetaObject::invokeMethod(
        this, [this, shortcut] { RunShortcut(shortcut); }, Qt::QueuedConnection);
    return true;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || session_->Ended()) return QWidget::eventFilter(watched, event);
    // Keys typed into the lock's own dialogs follow those dialogs' rules.
    const bool formKeys = QApplication::activeModalWidget() == nullptr &&
                          static_cast<QWidget*>(watched)->window() == this;
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() == nullptr) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (HandleLockKey(key)) return true;
        if (formKeys && HandleShortcut(key)) return true;
    }
    if (event->type() == QEvent::ContextMenu && htmlFallback_ &&
        (watched == panMain_ || panMain_->isAncestorOf(static_cast<QWidget*>(watched)))) {
        // The page's own context menu never shows; three quick right clicks open ours.
        if (rightClicks_.Click(services_.clock.TickMs())) menuTimer_.start();
        return true;
    }
    if (event->type() == QEvent::KeyRelease && formKeys) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat()) {
            services_.log.ConsoleLog("frmMainHELP");
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (session_->CloseQuery()) {
        services_.log.DebugLog("About to free main form.");
        event->accept();
        return;
    }
    event->ignore();
    UnlockExitClick();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (services_.settings.Get()->LayoutMode == 0 || htmlFallback_) renderer_->FocusCredentials();
}

void TfrmMain::AddMessage(const std::string& from, const std::string& subject,
                          const std::string& body) {
    messages_.Add({services_.clock.Now(), from, subject, body});
    ShowMessageCount();
}

void TfrmMain::ShowMessageCount() {
    SlfLabel* label = renderer_->MessageCountLabel();
    label->SetCaption(QString::fromStdString(MessageCountText(messages_.Count())));
    services_.log.DebugLog("lblMessageCount: " + label->text().toStdString());
}

bool TfrmMain::LeaveAMessage() {
    services_.log.DebugLog("LeaveAMessage");
    TfrmLeaveMessage dialog(*services_.settings.Get(), services_.dialogs, this);
    if (dialog.exec() != QDialog::Accepted) return false;
    const NoteEntry note = dialog.Note();
    AddMessage(note.from, note.subject, note.message);
    services_.log.WriteLog("Note left by: " + messages_.At(messages_.Count() - 1).From);
    return true;
}

void TfrmMain::RunMessageReader() {
    TfrmMessages reader(messages_, this);
    services_.log.DebugLog("frmMessages: Message " + std::to_string(reader.Selected() + 1) + " of " +
                           std::to_string(messages_.Count()));
    reader.exec();
}

void TfrmMain::LeaveMessage() {
    LeaveAMessage();
}

void TfrmMain::RemoteMessage() {
    const std::optional<RemoteMessageTexts> message = services_.pendingMessage.Take();
    if (!message) return;
    AddMessage(message->From, message->Subject, RemoteMessageBody(*message));
    services_.log.ConsoleLog("You received a message from remote address.");
}
void TfrmMain::Options() {
    services_.log.DebugLog(std::to_string(services_.clock.TickMs()) + "Options1click");
    if (services_.authorizer.Authorize(AuthAction::kChangeOptions)) {
        services_.log.DebugLog("creating options form: no options dialog yet");
    } else {
        services_.reporter.Report(std::string(kTrayOptionsRefused));
    }
    FocusBox();
}

void TfrmMain::ReadMessages() {
    if (session_->Locked() && !services_.authorizer.Authorize(AuthAction::kReadMessages)) return;
    if (MessageCount() == 0) {
        services_.dialogs.ShowMessageBox(
            {"You have no messages.", "Ostrel", MessageIcon::kWarning, MessageButtons::kOk, true});
        return;
    }
    RunMessageReader();
}

void TfrmMain::ChangeAwayMessage() {
    if (!services_.authorizer.Authorize(AuthAction::kChangeAwayMessage)) return;
    RunAwayPicker(false);
    services_.log.DebugLog("Refresh Layout");
    Refresh();
}
void TfrmMain::Logs() {
    services_.log.DebugLog("logs: no log viewer yet");
}

void TfrmMain::RunShortcut(LockShortcut shortcut) {
    switch (shortcut) {
        case LockShortcut::kHelp:
            services_.log.ConsoleLog("Help system");
            services_.log.DebugLog("help: no help viewer yet");
            break;
        case LockShortcut::kOptions:
            Options();
            break;
        case LockShortcut::kDeployOptions:
            DeployOptions();
            break;
        case LockShortcut::kRefresh:
            Refresh();
            break;
        case LockShortcut::kModifyLayout:
            EditLayoutCode();
            break;
        case LockShortcut::kLayoutTitle:
            LayoutTitleLine();
            break;
        case LockShortcut::kMonitorOff:
            MonitorOff();
            break;
        case LockShortcut::kStandby:
            Sleep(AuthAction::kStandby);
            break;
        case LockShortcut::kGoToUrl:
            GoToUrl();
            break;
        case LockShortcut::kChangeAwayMessage:
            ChangeAwayMessage();
            break;
        case LockShortcut::kShowUrl:
            ShowUrl();
            break;
        case LockShortcut::kNone:
            break;
    }
}

void TfrmMain::DeployOptions() {
    services_.log.DebugLog(std::to_string(services_.clock.TickMs()) + "deployoptions1click");
    if (services_.authorizer.Authorize(AuthAction::kChangeOptions)) {
        services_.log.DebugLog("deployoptions: no deployment step yet");
    } else {
        services_.reporter.Report(std::string(kTrayOptionsRefused));
    }
    FocusBox();
}

void TfrmMain::Refresh() {
    services_.log.DebugLog("F5 Refresh");
    if (isVisible()) session_->OstrelSettingsApply();
}

void TfrmMain::EditLayoutCode() {
    services_.log.DebugLog(":editlayoutCode (f11)");
    if (services_.authorizer.Authorize(AuthAction::kEditLayoutCode)) {
        services_.log.ConsoleLog("Modify this layout (F11)");
        services_.log.DebugLog("modify layout: no layout code editor yet");
    }
    FocusBox();
}

void TfrmMain::LayoutTitleLine() {
    const auto settings = services_.settings.Get();
    services_.log.ConsoleLog("Current Layout's title is " +
                             LayoutTitle(services_.files, settings->LayoutFile) + " " +
                             (settings->LayoutMode == 0 ? "(SLF)" : "(HTML)"));
}

void TfrmMain::MonitorOff() {
    bar_->MenuButton()->setDown(false);
    services_.log.WriteLog("Monitor turned off");
    Power().MonitorOff();
}

void TfrmMain::Sleep(AuthAction action) {
    bar_->MenuButton()->setDown(false);
    if (!services_.authorizer.Authorize(action)) return;
    LockNow();
    if (action == AuthAction::kHibernate) {
        services_.log.WriteLog("System going into Hibernate");
        Power().Hibernate();
    } else {
        services_.log.WriteLog("System going into Stand By");
        Power().Suspend();
    }
}

void TfrmMain::GoToUrl() {
    if (const auto url = AskText("Enter URL to go to", QString())) Navigate(url->toStdString());
}

void TfrmMain::ShowUrl() {
    const std::string current = browserHistory_.empty() ? std::string() : browserHistory_.back();
    AskText("Current URL is:", QString::fromStdString(current));
}

std::optional<QString> TfrmMain::AskText(const QString& prompt, const QString& text) {
    QInputDialog box(this);
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    box.setWindowTitle("Ostrel");
    box.setLabelText(prompt);
    box.setTextValue(text);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return box.textValue();
}

void TfrmMain::LockNow() {
    lockTimer_.stop();
    bar_->TimeToLock()->hide();
    session_->MarkLocked();
}

PowerControl& TfrmMain::Power() {
    if (power_ == nullptr) {
        power_ = std::make_unique<LogindPower>(
            QDBusConnection::systemBus(), QtX11Connection(),
            [this](const std::string& text) { services_.log.DebugLog(text); });
    }
    return *power_;
}

void TfrmMain::NetworkClick() {
    const bool suspended = bar_->NetworkSuspended();
    if (!services_.authorizer.Authorize(suspended ? AuthAction::kResumeNetwork
                                                  : AuthAction::kSuspendNetwork)) {
        return;
    }
    session_->SetNetworkAccess(suspended);
}

void TfrmMain::ConsoleToggleClick() {
    if (!services_.authorizer.Authorize(AuthAction::kChangeConsoleMode)) {
        services_.reporter.Report(std::string(kConsoleModeRefused));
        return;
    }
    const bool console = !bar_->ConsoleShowing();
    bar_->ShowConsolePage(console);
    bar_->SetConsoleToggle(console);
}

void TfrmMain::HelpClick() {
    if (!services_.authorizer.Authorize(AuthAction::kViewHelpFile)) {
        services_.reporter.Report(std::string(kHelpFileRefused));
        return;
    }
    Navigate(HelpIndexUrl());
    helpStrip_->ShowAt(geometry(), bar_->height());
}

std::string TfrmMain::HelpIndexUrl() const {
    return FileUrl(start_.programFolder + "htmlhelp/index.html");
}

void TfrmMain::Focus() {
    services_.log.ConsoleLog("setfocus");
    BringToForeground();
    FocusBox();
}

void TfrmMain::Shutdown() {
    session_->Shutdown();
}

void TfrmMain::Terminate() {
    session_->SetTerminateAfterShutdown();
    session_->Shutdown();
}

void TfrmMain::BadPassword() {
    // Reported before the box, which waits for someone at the screen.
    services_.reporter.Report("Incorrect username/password entered for user: " +
                              services_.lastRemoteUser.Get());
    services_.dialogs.ShowMessageBox({"Incorrect username/password. ", "Ostrel",
                                      MessageIcon::kError, MessageButtons::kOk, true});
}

}  // namespace ostrel
