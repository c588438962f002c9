#pragma once

#include <string>
#include <string_view>

namespace ostrel {

enum class ShutdownAction { kNone, kPowerOff, kReboot, kLogOff };

// The switches of a shutdown request: -s power off, -r reboot, -l log off, -f force, -t seconds
// of delay, -c comment (quoted when it holds blanks). "/" may stand for "-"; letters without
// regard to case; the last action named wins.
struct ShutdownRequest {
    ShutdownAction action = ShutdownAction::kNone;
    bool force = false;
    int delaySeconds = 0;
    std::string comment;
    friend bool operator==(const ShutdownRequest&, const ShutdownRequest&) = default;
};

ShutdownRequest ParseShutdownFlags(std::string_view flags);

}  // namespace ostrel
