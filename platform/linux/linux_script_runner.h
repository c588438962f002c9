#pragma once

#include <string>

namespace ostrel {

// Starts the shell script with /bin/sh in the script's folder and does not wait for it. Unless
// hidden it runs in the desktop's terminal (x-terminal-emulator) when there is one. False when it
// could not be started.
bool RunShellScript(const std::string& path, bool hidden);

}  // namespace ostrel
