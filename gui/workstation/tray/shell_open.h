#pragma once

#include <string>

namespace ostrel {

// Opens a file, folder or address with the desktop's default application, as a double click
// would. False when nothing could open it.
bool ShellOpen(const std::string& target);

// Runs a script with the shell in a working folder, without waiting for it.
bool RunScript(const std::string& script, const std::string& workingFolder);

}  // namespace ostrel
