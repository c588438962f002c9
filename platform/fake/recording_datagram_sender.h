#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/datagram_sender.h"

namespace ostrel {

// Keeps every datagram instead of sending it.
class RecordingDatagramSender : public DatagramSender {
public:
    struct Datagram {
        std::string address;
        int port = 0;
        std::string payload;
        friend bool operator==(const Datagram&, const Datagram&) = default;
    };

    void SendDatagram(const std::string& address, int port, const std::string& payload) override {
        std::lock_guard lock(mutex_);
        sent_.push_back({address, port, payload});
    }
    std::vector<Datagram> Sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Datagram> sent_;
};

}  // namespace ostrel
