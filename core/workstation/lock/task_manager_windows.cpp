#include "workstation/lock/task_manager_windows.h"

#include <algorithm>
#include <array>
#include <string>

#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr std::array<std::string_view, 3> kTitles = {"Windows Task Manager", "System Monitor",
                                                     "Task Manager"};
constexpr std::array<std::string_view, 7> kPrograms = {"gnome-system-monitor",
                                                       "mate-system-monitor",
                                                       "plasma-systemmonitor",
                                                       "ksysguard",
                                                       "xfce4-taskmanager",
                                                       "lxtask",
                                                       "qps"};

}  // namespace

bool IsTaskManagerWindow(std::string_view title, std::string_view className) {
    if (std::find(kTitles.begin(), kTitles.end(), title) != kTitles.end()) return true;
    const std::string program = LowerCaseAscii(className);
    return std::find(kPrograms.begin(), kPrograms.end(), program) != kPrograms.end();
}

}  // namespace ostrel
