#pragma once

#include <string>
#include <vector>

#include "workstation/remote/status_report.h"

namespace ostrel {

// The network adapters under the folder (the kernel's /sys/class/net): name, ifindex, whether
// it is a loopback (type 772) and its hardware address.
std::vector<NetworkAdapter> ListNetworkAdapters(const std::string& folder = "/sys/class/net");

// Inside a remote-desktop session (xrdp, x2go): their session variables are set.
bool InRemoteDesktopSession();

}  // namespace ostrel
