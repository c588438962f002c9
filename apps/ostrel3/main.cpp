#include <string>
#include <vector>

#include "linux/linux_instance_channel.h"
#include "workstation/agent_environment.h"
#include "workstation/process/agent_entry_host.h"
#include "workstation/process/command_line.h"
#include "workstation/process/process_entry.h"

int main(int argc, char* argv[]) {
    ostrel::AgentEnvironment environment;
    environment.CreateFolders();  // the entry's first log line needs the data folder
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string socketFolder = ostrel::InstanceSocketFolder();
    ostrel::LinuxInstanceChannel channel(
        socketFolder.empty() ? "" : socketFolder + ostrel::LinuxInstanceChannel::kSocketName);
    ostrel::AgentEntryHost host(argc, argv, environment, channel,
                                ostrel::CommandLineTextOf(arguments));
    return ostrel::RunProcessEntry(arguments, environment.Log(), channel, host);
}
