#pragma once

#include "console/manager_command_line.h"

namespace ostrel {

// Runs one command of the command line to its end and gives the exit status. Needs a running
// Qt core application object; prints to standard output, and the console log to standard error
// with --verbose.
int RunManagerCommand(const ManagerInvocation& invocation);

}  // namespace ostrel
