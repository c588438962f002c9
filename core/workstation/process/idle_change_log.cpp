#include "workstation/process/idle_change_log.h"

namespace ostrel {

std::vector<std::string> IdleChangeLogLines(const TmcDetectIdle& detector, IdleChangeSet changes) {
    std::vector<std::string> lines;
    if (changes & kScreenSaverChanged) {
        lines.push_back(detector.ScreenSaverRunning() ? "ScreenSaver Started"
                                                      : "ScreenSaver Stopped");
    }
    if (changes & kWorkstationLockChanged) {
        lines.push_back(detector.WorkstationLocked() ? "Workstation Locked"
                                                     : "Workstation Unlocked");
    }
    if (changes & kPowerChanged) {
        lines.push_back(detector.PowerSuspended() ? "Power Suspended" : "Power Resumed");
    }
    return lines;
}

}  // namespace ostrel
