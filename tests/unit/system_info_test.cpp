#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/system_info_rules.h"
#include "linux/linux_system_info.h"

namespace ostrel {
namespace {

TEST(SystemInfoRules, SambaWorkgroup) {
    const std::pair<std::string, std::string> cases[] = {
        {"[global]\n   workgroup = OFFICE\n   server string = %h\n", "OFFICE"},
        {"[global]\r\n\tWork Group=Sales Team \r\n", "Sales Team"},
        {"workgroup = EARLY\n[homes]\nbrowseable = no\n", "EARLY"},
        {"[homes]\nworkgroup = NOTGLOBAL\n", ""},
        {"[ Global ]\nworkgroup = A\n[printers]\nworkgroup = B\n", "A"},
        {"[global]\nworkgroup = FIRST\nworkgroup = SECOND\n", "SECOND"},
        {"[global]\n# workgroup = HASH\n; workgroup = SEMI\n", ""},
        {"[global]\nworkgroup = \\\n  CONTINUED\n", "CONTINUED"},
        {"[global]\nworkgroups = NO\nmyworkgroup = NO\n", ""},
        {"[global]\nworkgroup =\n", ""},
        {"", ""},
    };
    for (const auto& [conf, expected] : cases) EXPECT_EQ(SambaWorkgroup(conf), expected) << conf;
}

TEST(SystemInfoRules, DnsDomain) {
    const std::pair<std::string, std::string> cases[] = {
        {"desk7.example.org", "example.org"},
        {"desk7.example.org.", "example.org"},
        {"desk7", ""},
        {"desk7.", ""},
        {"", ""},
    };
    for (const auto& [name, expected] : cases) EXPECT_EQ(DnsDomain(name), expected) << name;
}

TEST(SystemInfoRules, IsAdminAccount) {
    EXPECT_TRUE(IsAdminAccount(true, {}));
    EXPECT_FALSE(IsAdminAccount(false, {}));
    EXPECT_FALSE(IsAdminAccount(false, {"users", "audio", "sudoers", "Wheel"}));
    for (const char* group : {"sudo", "wheel", "admin"}) {
        EXPECT_TRUE(IsAdminAccount(false, {"users", group})) << group;
    }
}

TEST(SystemInfoRules, ProgramFolder) {
    struct Case {
        std::string ostrelHome;
        std::string executable;
        std::string expected;
    };
    const Case cases[] = {
        {"/srv/ostrel", "/usr/bin/ostrel3", "/srv/ostrel/"},
        {"/srv/ostrel/", "/usr/bin/ostrel3", "/srv/ostrel/"},
        {"", "/opt/Ostrel 3.0/bin/ostrel3", "/opt/Ostrel 3.0/bin/"},
        {"", "/ostrel3", "/"},
        {"", "", "./"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramFolderFrom(c.ostrelHome, c.executable), c.expected)
            << c.ostrelHome << " / " << c.executable;
    }
}

TEST(SystemInfoRules, DataAndConfigFolders) {
    struct Case {
        std::string xdg;
        std::string home;
        std::string data;
        std::string config;
    };
    const Case cases[] = {
        {"", "/home/ann", "/home/ann/.local/share/Ostrel 3.0/", "/home/ann/.config/"},
        {"/data/ann", "/home/ann", "/data/ann/Ostrel 3.0/", "/data/ann/"},
        {"/data/ann/", "/home/ann/", "/data/ann/Ostrel 3.0/", "/data/ann/"},
        {"relative/dir", "/home/ann", "/home/ann/.local/share/Ostrel 3.0/", "/home/ann/.config/"},
        {"", "/", "/.local/share/Ostrel 3.0/", "/.config/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataFolderFrom(c.xdg, c.home), c.data) << c.xdg << " / " << c.home;
        EXPECT_EQ(ConfigFolderFrom(c.xdg, c.home), c.config) << c.xdg << " / " << c.home;
    }
}

// Sets environment variables for one test and puts the old values back.
class LinuxSystemInfoTest : public testing::Test {
protected:
    void Set(const char* name, const char* value) {
        const char* old = ::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        ::setenv(name, value, 1);
    }
    void TearDown() override {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(LinuxSystemInfoTest, FoldersFollowTheEnvironment) {
    const LinuxSystemInfo info;
    Set("OSTREL_HOME", "/srv/ostrel");
    Set("HOME", "/home/ann");
    Set("XDG_DATA_HOME", "/data/ann");
    Set("XDG_CONFIG_HOME", "");
    EXPECT_EQ(info.ProgramFolder(), "/srv/ostrel/");
    EXPECT_EQ(info.DataFolder(), "/data/ann/Ostrel 3.0/");
    EXPECT_EQ(info.ConfigFolder(), "/home/ann/.config/");

    Set("OSTREL_HOME", "");
    const std::string folder = info.ProgramFolder();
    EXPECT_TRUE(folder.starts_with('/') && folder.ends_with("/")) << folder;
    EXPECT_NE(folder, "/srv/ostrel/");
}

}  // namespace
}  // namespace ostrel
