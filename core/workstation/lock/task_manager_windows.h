#pragma once

#include <string_view>

namespace ostrel {

// A window of a task manager, which the lock closes: titled "Windows Task Manager" or as a
// desktop's system monitor, or belonging to one of the desktops' task-manager programs (the
// class name of its window, compared without regard to case).
bool IsTaskManagerWindow(std::string_view title, std::string_view className);

}  // namespace ostrel
