#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/event_log.h"

namespace ostrel {

inline constexpr int kRemoteControlPort = 8777;

// A datagram that reached the discovery port, and where it came from.
struct DiscoveryDatagram {
    std::string text;
    std::string senderAddress;
    int senderPort = 0;
    // The listening socket's own address.
    std::string localAddress;
};

// The answer to a discovery datagram: the internal address, for the sender itself whatever
// "sendto=" names; nothing for a datagram without "/query?". Writes the trace and console lines.
std::optional<std::string> DiscoveryAnswer(const DiscoveryDatagram& datagram,
                                           const std::string& internalAddress, EventLog& log);

}  // namespace ostrel
