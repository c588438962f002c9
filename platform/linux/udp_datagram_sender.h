#pragma once

#include "platform/datagram_sender.h"

namespace ostrel {

// Sends each datagram from a fresh UDP socket, so any thread may send.
class UdpDatagramSender : public DatagramSender {
public:
    void SendDatagram(const std::string& address, int port, const std::string& payload) override;
};

}  // namespace ostrel
