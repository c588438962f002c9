#pragma once

#include "platform/process_launcher.h"

namespace ostrel {

// Starts programs as detached processes through QProcess.
class LinuxProcessLauncher : public ProcessLauncher {
public:
    int Start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace ostrel
