#pragma once

#include <string>

namespace ostrel {

// Sends one UDP datagram; failures are the sender's to trace.
class DatagramSender {
public:
    virtual ~DatagramSender() = default;
    virtual void SendDatagram(const std::string& address, int port, const std::string& payload) = 0;
};

}  // namespace ostrel
