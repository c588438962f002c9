#include "workstation/process/agent_entry_host.h"

#include <QTimer>

#include "linux/screen_saver_preview.h"
#include "workstation/lock/lock_state_file.h"
#include "workstation/process/command_line.h"

namespace ostrel {

namespace {

// The early cover stays until the lock form has painted itself, or this long at most.
constexpr int kEarlyCoverLimitMs = 10000;

// Calls back once, when the lock form first paints.
class LockFormPainted : public QObject {
public:
    explicit LockFormPainted(std::function<void()> done) : done_(std::move(done)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == "frmMain") {
            qApp->removeEventFilter(this);
            // After this paint has reached the screen.
            QTimer::singleShot(0, this, done_);
        }
        return false;
    }

private:
    std::function<void()> done_;
};

}  // namespace

AgentEntryHost::AgentEntryHost(int& argc, char** argv, AgentEnvironment& environment,
                               LinuxInstanceChannel& channel, std::string commandLineText)
    : argc_(argc),
      argv_(argv),
      environment_(environment),
      channel_(channel),
      commandLineText_(std::move(commandLineText)) {}

AgentEntryHost::~AgentEntryHost() {
    // The channel's receiver goes before the application it runs in.
    channel_.Withdraw();
    frmOstrel_.reset();
}

bool AgentEntryHost::PreviewDrawing() {
    return PreviewWindowPresent();
}

bool AgentEntryHost::RunPreview(std::uint32_t windowId) {
    return DrawPreview(windowId);
}

void AgentEntryHost::CreateController() {
    // A process that locks at once (also to restore a lock its predecessor died in) hides the
    // desktop before the toolkit starts.
    const CommandLineSwitches switches = ReadSwitches(commandLineText_);
    const bool lostLock =
        LockStateFile(environment_.Files(), environment_.System().DataFolder()).Read().has_value();
    if ((!switches.runTray || lostLock) && !switches.halt) {
        earlyCover_ = std::make_unique<X11EarlyCover>();
    }
    application_ = std::make_unique<QApplication>(argc_, argv_);
    if (earlyCover_ != nullptr) ReleaseEarlyCoverOnLock();
    QApplication::setApplicationDisplayName(kApplicationTitle);
    frmOstrel_ = std::make_unique<TfrmOstrel>(environment_, channel_, commandLineText_);
    QObject::connect(&channel_, &LinuxInstanceChannel::MessageReceived, frmOstrel_.get(),
                     &TfrmOstrel::HandleMessage);
    channel_.StartReceiving();
}

void AgentEntryHost::ReleaseEarlyCoverOnLock() {
    auto* painted = new LockFormPainted([this] { earlyCover_.reset(); });
    painted->setParent(application_.get());
    QTimer::singleShot(kEarlyCoverLimitMs, application_.get(), [this, painted] {
        delete painted;
        earlyCover_.reset();
    });
}

int AgentEntryHost::RunMessageLoop() {
    return QApplication::exec();
}

}  // namespace ostrel
