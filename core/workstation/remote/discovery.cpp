#include "workstation/remote/discovery.h"

namespace ostrel {

std::optional<std::string> DiscoveryAnswer(const DiscoveryDatagram& datagram,
                                           const std::string& internalAddress, EventLog& log) {
    log.DebugLog("UDP: Received \"" + datagram.text + "\" from " + datagram.senderAddress +
                 " on port " + std::to_string(datagram.senderPort));
    if (datagram.text.find("/query?") == std::string::npos) return std::nullopt;
    log.ConsoleLog("Query accepted, replying to " + datagram.senderAddress);
    log.DebugLog("binding ip: " + datagram.localAddress + " / local ip " + internalAddress);
    return internalAddress;
}

}  // namespace ostrel
