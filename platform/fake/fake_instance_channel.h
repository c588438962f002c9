#pragma once

#include <vector>

#include "platform/instance_channel.h"

namespace ostrel {

// An instance channel whose other instance is set by the test; sent messages are recorded.
class FakeInstanceChannel : public InstanceChannel {
public:
    bool ClaimFirstInstance() override {
        ++claims;
        if (otherInstanceRunning) return false;
        claimed = true;
        return true;
    }
    void Withdraw() override { claimed = false; }
    bool SendToRunningInstance(const InstanceMessage& message) override {
        if (!otherInstanceRunning) return false;
        sent.push_back(message);
        return true;
    }

    bool otherInstanceRunning = false;
    bool claimed = false;
    int claims = 0;
    std::vector<InstanceMessage> sent;
};

}  // namespace ostrel
