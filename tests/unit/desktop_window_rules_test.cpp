#include <gtest/gtest.h>

#include "linux/media_autorun_setting.h"
#include "workstation/lock/auto_minimize.h"
#include "workstation/lock/task_manager_windows.h"

namespace ostrel {
namespace {

struct WindowCase {
    const char* title;
    const char* className;
    bool taskManager;
};

TEST(TaskManagerWindows, FoundByTitleOrProgram) {
    const WindowCase cases[] = {
        {"Windows Task Manager", "", true},
        {"System Monitor", "Gnome-system-monitor", true},
        {"Task Manager", "Xfce4-taskmanager", true},
        {"Processes", "Mate-system-monitor", true},  // a tab title, found by its program
        {"", "lxtask", true},
        {"windows task manager", "", false},  // titles compare exactly
        {"Windows Task Manager - notes.txt", "Gedit", false},
        {"Terminal", "XTerm", false},
    };
    for (const WindowCase& c : cases) {
        EXPECT_EQ(IsTaskManagerWindow(c.title, c.className), c.taskManager)
            << c.title << " / " << c.className;
    }
}

TEST(AutoMinimize, KeepsScreenSaversAndTheLocksDialogs) {
    EXPECT_EQ(AutoMinimizeTitle(""), "there is no title bar");
    EXPECT_EQ(AutoMinimizeTitle("Mail"), "Mail");
    for (const char* kept : {"Screen Saver", "Blank Screen Saver", "Windows Screen Saver",
                             "Passwords", "ScreenSaver search", "Ostrel"}) {
        EXPECT_FALSE(AutoMinimizeHides(kept)) << kept;
    }
    EXPECT_TRUE(AutoMinimizeHides("Ostrel 3.0"));  // exact comparison
    EXPECT_TRUE(AutoMinimizeHides("there is no title bar"));
}

TEST(MediaAutorun, AutoOpenAndTheAutoRunMaskRoundTrip) {
    // The lock's 255 switches auto-open off; what was found comes back as it was.
    EXPECT_FALSE(AutomountOpenFromGlobalAutoRun(255));
    EXPECT_TRUE(AutomountOpenFromGlobalAutoRun(GlobalAutoRunFromAutomountOpen(true)));
    EXPECT_FALSE(AutomountOpenFromGlobalAutoRun(GlobalAutoRunFromAutomountOpen(false)));
    EXPECT_EQ(GlobalAutoRunFromAutomountOpen(false), 149);  // the Windows default
    EXPECT_TRUE(AutomountOpenFromGlobalAutoRun(0));
}

}  // namespace
}  // namespace ostrel
