// A writer killed at any moment leaves each file either as it was or as it was to become.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include <gtest/gtest.h>

#include "common/settings_store.h"
#include "common/user_list.h"
#include "fake/recording_dialogs.h"
#include "linux/linux_clock.h"
#include "linux/linux_file_system.h"

namespace ostrel {
namespace {

class CrashSafetyTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() /
                ("ostrel-crash-" + std::to_string(::getpid()));
        for (const char* folder : {"prog", "data", "config"}) {
            std::filesystem::create_directories(root_ / folder);
        }
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    std::string Folder(const char* name) const { return (root_ / name).string() + "/"; }

    std::filesystem::path root_;
    LinuxFileSystem fs_;
    LinuxClock clock_;
    RecordingDialogs dialogs_;
};

// Two versions of each file, large enough that a kill often lands inside a write.
struct Version {
    std::string remoteIps;
    std::vector<UserListRow> users;
};

Version MakeVersion(char tag) {
    Version version;
    for (int i = 0; i < 1500; ++i) version.remoteIps += "10." + std::string(1, tag) + "." + std::to_string(i) + ".*\r\n";
    for (int i = 0; i < 300; ++i) {
        version.users.push_back({std::string(1, tag) + "user" + std::to_string(i),
                                 std::string(40, tag), i % 2 ? "Admin" : "Unlock"});
    }
    return version;
}

TEST_F(CrashSafetyTest, KilledWriterLeavesTheOldOrTheNewFile) {
    EventLog log(fs_, clock_, Folder("data"), Folder("prog"));
    OstrelSettingsStore settings(fs_, log, dialogs_, {Folder("prog"), "/usr/lib", "127.0.0.1"},
                                 Folder("config"));
    UserList users(fs_, Folder("prog") + "userlist.dat");
    const Version versions[] = {MakeVersion('a'), MakeVersion('b')};

    const auto write = [&](const Version& version) {
        settings.Modify([&](TOstrelSettings& s) { s.AllowedRemoteIPs = version.remoteIps; });
        ASSERT_TRUE(settings.SaveINI());
        ASSERT_TRUE(users.SaveUserList(version.users));
    };
    std::vector<std::string> iniVersions;
    std::vector<std::string> userVersions;
    for (const Version& version : versions) {
        write(version);
        iniVersions.push_back(*fs_.ReadFile(settings.SettingsIniPath()));
        userVersions.push_back(*fs_.ReadFile(Folder("prog") + "userlist.dat"));
    }

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> delayMicroseconds(0, 30000);
    for (int round = 0; round < 40; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) write(versions[i % 2]);
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string ini = fs_.ReadFile(settings.SettingsIniPath()).value_or("");
        const std::string userList = fs_.ReadFile(Folder("prog") + "userlist.dat").value_or("");
        EXPECT_TRUE(ini == iniVersions[0] || ini == iniVersions[1]) << "round " << round;
        EXPECT_TRUE(userList == userVersions[0] || userList == userVersions[1]) << "round " << round;
    }
}

}  // namespace
}  // namespace ostrel
