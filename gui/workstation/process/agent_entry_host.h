#pragma once

#include <QApplication>
#include <memory>
#include <string>

#include "linux/linux_instance_channel.h"
#include "linux/x11_early_cover.h"
#include "workstation/agent_environment.h"
#include "workstation/process/process_entry.h"
#include "workstation/tray/frm_ostrel.h"

namespace ostrel {

// The agent's process around its entry: the X display for the preview, and the Qt application
// with the tray controller for the first instance.
class AgentEntryHost : public EntryHost {
public:
    // The application title: what the desktop shows and other instances know the agent by.
    static constexpr const char* kApplicationTitle = "Ostrel 3";

    AgentEntryHost(int& argc, char** argv, AgentEnvironment& environment,
                   LinuxInstanceChannel& channel, std::string commandLineText);
    ~AgentEntryHost() override;

    bool PreviewDrawing() override;
    bool RunPreview(std::uint32_t windowId) override;
    void CreateController() override;
    int RunMessageLoop() override;

private:
    int& argc_;
    char** argv_;
    AgentEnvironment& environment_;
    LinuxInstanceChannel& channel_;
    const std::string commandLineText_;
    void ReleaseEarlyCoverOnLock();

    std::unique_ptr<X11EarlyCover> earlyCover_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<TfrmOstrel> frmOstrel_;
};

}  // namespace ostrel
