#pragma once

#include <QThread>
#include <memory>

#include "common/authorization.h"
#include "linux/linux_folder_listing.h"
#include "workstation/agent_environment.h"
#include "workstation/remote/remote_commands.h"
#include "workstation/remote/remote_server.h"
#include "workstation/remote/tray_remote_workstation.h"

namespace ostrel {

// The address the servers bind: $OSTREL_LISTEN_ADDRESS when set, else every IPv4 address.
QHostAddress RemoteListenAddress();

// The facts the status report captures at start, from this computer.
StartFacts CaptureStartFacts(const SystemInfo& system);

// The agent's remote-control endpoint: the HTTP and UDP servers on a thread of their own, for
// the life of the tray controller.
class RemoteEndpoint {
public:
    RemoteEndpoint(AgentEnvironment& environment, TfrmOstrel& controller,
                   const Authenticator& authenticator);
    ~RemoteEndpoint();

private:
    LinuxFolderListing folders_;
    TrayRemoteWorkstation workstation_;
    RemoteCommands commands_;
    QThread thread_;
};

}  // namespace ostrel
