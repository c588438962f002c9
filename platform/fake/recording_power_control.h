#pragma once

#include <string>
#include <vector>

#include "platform/power_control.h"

namespace ostrel {

// Records the power requests in order: "Suspend", "Hibernate", "MonitorOff".
class RecordingPowerControl : public PowerControl {
public:
    void Suspend() override { calls.push_back("Suspend"); }
    void Hibernate() override { calls.push_back("Hibernate"); }
    bool MonitorOff() override {
        calls.push_back("MonitorOff");
        return monitorOffSupported;
    }

    std::vector<std::string> calls;
    bool monitorOffSupported = true;
};

}  // namespace ostrel
