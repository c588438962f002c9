#include "workstation/process/agent_entry_host.h"

#include "linux/screen_saver_preview.h"

namespace ostrel {

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
    application_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setApplicationDisplayName(kApplicationTitle);
    frmOstrel_ = std::make_unique<TfrmOstrel>(environment_, channel_, commandLineText_);
    QObject::connect(&channel_, &LinuxInstanceChannel::MessageReceived, frmOstrel_.get(),
                     &TfrmOstrel::HandleMessage);
    channel_.StartReceiving();
}

int AgentEntryHost::RunMessageLoop() {
    return QApplication::exec();
}

}  // namespace ostrel
