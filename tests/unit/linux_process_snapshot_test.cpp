#include "linux/linux_process_snapshot.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ostrel {
namespace {

namespace fs = std::filesystem;

TEST(LinuxProcessSnapshot, FindsThisTestProcess) {
    const std::vector<ProcessEntry> processes = LinuxProcessSnapshot().Processes();
    EXPECT_TRUE(std::is_sorted(
        processes.begin(), processes.end(),
        [](const ProcessEntry& a, const ProcessEntry& b) { return a.processId < b.processId; }));
    const auto self = std::find_if(processes.begin(), processes.end(), [](const ProcessEntry& p) {
        return p.processId == static_cast<std::uint32_t>(::getpid());
    });
    ASSERT_NE(self, processes.end());
    EXPECT_EQ(self->exeFile, "unit_tests");
    EXPECT_EQ(self->fullPath, fs::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(self->parentProcessId, static_cast<std::uint32_t>(::getppid()));
    EXPECT_GE(self->threadCount, 1u);
}

// A proc tree of our own, to give each way of naming a process.
class FakeProcTest : public ::testing::Test {
protected:
    FakeProcTest() {
        std::string pattern = (fs::temp_directory_path() / "ostrel-proc-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~FakeProcTest() override { fs::remove_all(root_); }

    // A process folder; an empty `exeTarget` leaves out the exe link, as for an unreadable one.
    void AddProcess(const std::string& pid, const std::string& stat, const std::string& exeTarget,
                    const std::string& cmdline) {
        const fs::path folder = root_ / pid;
        fs::create_directories(folder);
        if (!stat.empty()) std::ofstream(folder / "stat") << stat;
        if (!exeTarget.empty()) fs::create_symlink(exeTarget, folder / "exe");
        std::ofstream(folder / "cmdline", std::ios::binary) << cmdline;
    }

    static std::string Stat(const std::string& pid, const std::string& name,
                            const std::string& ppid, const std::string& threads) {
        return pid + " (" + name + ") S " + ppid + " 1 1 0 -1 4194560 10 0 0 0 0 0 0 0 20 0 " +
               threads + " 0 12345 1000 200 18446744073709551615\n";
    }

    fs::path root_;
};

TEST_F(FakeProcTest, NamesFromExeLinkElseCommandLineElseCommandName) {
    using namespace std::string_literals;
    struct Case {
        std::string pid;
        std::string commandName;
        std::string exeTarget;
        std::string cmdline;
        std::string exeFile;
        std::string fullPath;
    };
    const Case cases[] = {
        {"10", "glmatrix", "/usr/libexec/xscreensaver/glmatrix", "glmatrix\0--root\0"s, "glmatrix",
         "/usr/libexec/xscreensaver/glmatrix"},
        {"11", "old", "/opt/app/old-build (deleted)", "", "old-build", "/opt/app/old-build"},
        {"12", "gnome-system-mo", "", "/usr/bin/gnome-system-monitor\0"s, "gnome-system-monitor",
         ""},
        {"13", "bash", "", "-bash\0"s, "bash", ""},
        {"14", "sshd", "", "sshd: alice@pts/0\0\0\0"s, "sshd", ""},
        {"15", "kworker/0:1-events", "", "", "kworker/0:1-events", ""},
        {"16", "odd) (name", "", "", "odd) (name", ""},
    };
    for (const Case& c : cases) {
        AddProcess(c.pid, Stat(c.pid, c.commandName, "1", "3"), c.exeTarget, c.cmdline);
    }

    const std::vector<ProcessEntry> processes = LinuxProcessSnapshot(root_.string()).Processes();
    ASSERT_EQ(processes.size(), std::size(cases));
    for (std::size_t i = 0; i < processes.size(); ++i) {
        EXPECT_EQ(std::to_string(processes[i].processId), cases[i].pid);
        EXPECT_EQ(processes[i].exeFile, cases[i].exeFile) << cases[i].pid;
        EXPECT_EQ(processes[i].fullPath, cases[i].fullPath) << cases[i].pid;
        EXPECT_EQ(processes[i].parentProcessId, 1u) << cases[i].pid;
        EXPECT_EQ(processes[i].threadCount, 3u) << cases[i].pid;
    }
}

TEST_F(FakeProcTest, ListsNumberedFoldersInIdOrderAndSkipsVanishedOnes) {
    AddProcess("200", Stat("200", "b", "1", "1"), "", "");
    AddProcess("9", Stat("9", "a", "0", "1"), "", "");
    AddProcess("31", "", "", "");         // ended before its stat was read
    AddProcess("32", "32 (cut", "", "");  // unreadable stat
    AddProcess("self", Stat("9", "a", "0", "1"), "", "");
    AddProcess("4294967296", Stat("1", "big", "0", "1"), "", "");

    const std::vector<ProcessEntry> processes = LinuxProcessSnapshot(root_.string()).Processes();
    ASSERT_EQ(processes.size(), 2u);
    EXPECT_EQ(processes[0].processId, 9u);
    EXPECT_EQ(processes[0].parentProcessId, 0u);
    EXPECT_EQ(processes[1].processId, 200u);
}

TEST_F(FakeProcTest, MissingProcFolderGivesNoProcesses) {
    EXPECT_TRUE(LinuxProcessSnapshot((root_ / "absent").string()).Processes().empty());
}

}  // namespace
}  // namespace ostrel
