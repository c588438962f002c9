#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "linux/linux_folder_listing.h"
#include "linux/linux_process_launcher.h"

namespace ostrel {
namespace {

class LinuxSlfPlatformTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/ostrel-slf-XXXXXX";
        folder_ = ::mkdtemp(pattern);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string Write(const std::string& name, const std::string& content, bool executable) {
        const std::string path = folder_ + "/" + name;
        std::ofstream(path) << content;
        ::chmod(path.c_str(), executable ? 0755 : 0644);
        return path;
    }

    std::string folder_;
};

TEST_F(LinuxSlfPlatformTest, LauncherNumbersItsFailuresAsTheShellDoes) {
    LinuxProcessLauncher launcher;
    EXPECT_EQ(launcher.Start(folder_ + "/missing", {}), kLaunchFileNotFound);
    EXPECT_EQ(launcher.Start(folder_ + "/no/such/folder/prog", {}), kLaunchFileNotFound);
    EXPECT_EQ(launcher.Start(folder_, {}), kLaunchFileNotFound);
    EXPECT_EQ(launcher.Start(Write("plain", "data", false), {}), kLaunchAccessDenied);
}

TEST_F(LinuxSlfPlatformTest, LauncherPassesTheArgumentsAndDoesNotWait) {
    const std::string out = folder_ + "/args.txt";
    const std::string script = Write(
        "plugin",
        "#!/bin/sh\necho \"$@\" > \"" + out + ".tmp\" && mv \"" + out + ".tmp\" \"" + out + "\"\n",
        true);
    LinuxProcessLauncher launcher;
    ASSERT_EQ(launcher.Start(script, {"OSTREL_START_PLUGIN", "1", "2", "3", "4"}), kLaunchStarted);
    for (int i = 0; i < 200 && !std::filesystem::exists(out); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    std::ifstream file(out);
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "OSTREL_START_PLUGIN 1 2 3 4");
}

TEST_F(LinuxSlfPlatformTest, FolderListingGivesNamesOrNothing) {
    Write("a.slf", "", false);
    std::filesystem::create_directory(folder_ + "/sub.slf");
    LinuxFolderListing listing;
    auto names = listing.EntryNames(folder_);
    ASSERT_TRUE(names);
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"a.slf", "sub.slf"}));
    EXPECT_EQ(listing.EntryNames(folder_ + "/missing"), std::nullopt);
}

}  // namespace
}  // namespace ostrel
