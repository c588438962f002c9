#pragma once

#include <string>
#include <vector>

#include "workstation/process/idle_detector.h"

namespace ostrel {

// The daily-log lines for a change set of the lock form's idle detector, each after the
// detector's current state: screen saver, then workstation lock, then power. Idle-state bits
// give no line.
std::vector<std::string> IdleChangeLogLines(const TmcDetectIdle& detector, IdleChangeSet changes);

}  // namespace ostrel
