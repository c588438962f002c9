#include "workstation/process/startup_entries.h"

#include <gtest/gtest.h>

#include "common/ini_file.h"
#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_dialogs.h"

namespace ostrel {
namespace {

constexpr const char* kConfigFolder = "/home/u/.config/";
constexpr const char* kAutostart = "/home/u/.config/autostart/";
constexpr const char* kProgram = "/opt/ostrel/bin/ostrel3";
constexpr const char* kLog = "/home/u/data/Logs/Dec-09-09.txt";

std::string Entry(const std::string& name, const std::string& exec) {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
           "\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n";
}

class StartupEntriesTest : public ::testing::Test {
protected:
    StartupEntriesTest() {
        files_.AddDirectories("/home/u/data/Logs");
        files_.AddDirectories("/opt/ostrel/bin");
        PrepareRegistryStoreFolder(files_, kConfigFolder);
        log_.SetDebugSwitches(true, false);
    }

    bool Write(int mode, bool startedWithRo = false) {
        settings_.Modify([mode](TOstrelSettings& s) { s.StartupMode = mode; });
        return WriteStartupData({kProgram, kAutostart, startedWithRo}, settings_, files_, log_);
    }
    std::optional<std::string> EntryFile(const char* name) const {
        return files_.ReadFile(std::string(kAutostart) + name);
    }
    void SeedAllEntries() {
        files_.AddDirectories(kAutostart);
        for (const char* name :
             {kRunEntryFile, kRunOnceEntryFile, kStartHelperEntryFile, kLauncherEntryFile}) {
            files_.SetFile(std::string(kAutostart) + name, "old");
        }
    }
    bool Logged(const std::string& line) const {
        return files_.ReadFile(kLog).value_or("").find("] " + line + "\r\n") != std::string::npos;
    }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/home/u/data/", "/opt/ostrel/"};
    RecordingDialogs dialogs_;
    OstrelSettingsStore settings_{
        files_, log_, dialogs_, {"/opt/ostrel/", "/usr/lib", ""}, kConfigFolder};
};

struct ModeCase {
    const char* name;
    int mode;
    bool startedWithRo;
    std::optional<std::string> run;
    std::optional<std::string> runOnce;
    std::optional<std::string> startHelper;
};

const std::string kStartHelperEntry = Entry("OLStart", "/opt/ostrel/bin/OStart /r");

const ModeCase kModeCases[] = {
    {"DoNotRun", 0, false, {}, {}, {}},
    {"Normal", 1, false, Entry("Ostrel", "/opt/ostrel/bin/ostrel3 -runkey"), {}, {}},
    {"NormalStartedWithRo", 1, true, Entry("Ostrel", "/opt/ostrel/bin/ostrel3 -runkey"), {}, {}},
    {"BeforeExplorer",
     2,
     false,
     {},
     Entry("Ostrel", "/opt/ostrel/bin/ostrel3 -ro"),
     kStartHelperEntry},
    {"BeforeExplorerStartedWithRo", 2, true, {}, {}, kStartHelperEntry},
    {"Reserved", 3, false, {}, {}, {}},
};

class StartupModeTest : public StartupEntriesTest,
                        public ::testing::WithParamInterface<ModeCase> {};

TEST_P(StartupModeTest, ReplacesOurEntriesWithTheModesEntries) {
    const ModeCase& c = GetParam();
    SeedAllEntries();
    files_.SetFile(std::string(kAutostart) + "other.desktop", "someone else's");

    EXPECT_TRUE(Write(c.mode, c.startedWithRo));

    EXPECT_EQ(EntryFile(kRunEntryFile), c.run);
    EXPECT_EQ(EntryFile(kRunOnceEntryFile), c.runOnce);
    EXPECT_EQ(EntryFile(kStartHelperEntryFile), c.startHelper);
    EXPECT_EQ(EntryFile(kLauncherEntryFile), std::nullopt);
    EXPECT_EQ(EntryFile("other.desktop"), "someone else's");
    EXPECT_TRUE(Logged("*WriteStartupData: " + std::to_string(c.mode)));
    const IniFile registry(files_, RegistryStorePath(kConfigFolder));
    EXPECT_EQ(registry.ReadString("Ostrel 3.0\\General", "sAppLocation", ""), kProgram);
}

INSTANTIATE_TEST_SUITE_P(StartupEntries, StartupModeTest, ::testing::ValuesIn(kModeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupEntriesTest, CreatesTheAutostartFolderWhenMissing) {
    EXPECT_TRUE(Write(1));
    EXPECT_TRUE(EntryFile(kRunEntryFile));
}

TEST_F(StartupEntriesTest, AFailedProgramEntryIsReportedAfterTheOldEntriesWentAway) {
    SeedAllEntries();
    files_.SetReadOnly(std::string(kAutostart) + kRunOnceEntryFile, true);
    EXPECT_FALSE(Write(2));
    EXPECT_EQ(EntryFile(kStartHelperEntryFile), std::nullopt);
    EXPECT_EQ(EntryFile(kRunEntryFile), std::nullopt);

    files_.SetReadOnly(std::string(kAutostart) + kRunEntryFile, true);
    EXPECT_FALSE(Write(1));
}

TEST_F(StartupEntriesTest, AFailedStartHelperEntryIsOnlyLogged) {
    files_.AddDirectories(kAutostart);
    files_.SetReadOnly(std::string(kAutostart) + kStartHelperEntryFile, true);
    EXPECT_TRUE(Write(2));
    EXPECT_TRUE(EntryFile(kRunOnceEntryFile));
    EXPECT_TRUE(Logged("* could not save OLStart entry to Run key."));
}

TEST_F(StartupEntriesTest, AFailedLocationEndsBeforeAnyEntryChanges) {
    SeedAllEntries();
    files_.SetReadOnly(RegistryStorePath(kConfigFolder), true);
    EXPECT_FALSE(Write(1));
    EXPECT_EQ(EntryFile(kRunEntryFile), "old");
}

TEST_F(StartupEntriesTest, TheRunOnceEntryGoesOnceUsed) {
    SeedAllEntries();
    RemoveRunOnceEntry(files_, kAutostart);
    EXPECT_EQ(EntryFile(kRunOnceEntryFile), std::nullopt);
    EXPECT_EQ(EntryFile(kRunEntryFile), "old");
}

TEST(AutostartEntryTextTest, QuotesAndEscapesWhatTheExecLineWouldOtherwiseReadDifferently) {
    const std::pair<std::string, std::string> cases[] = {
        {"/opt/ostrel3", "/opt/ostrel3"},
        {"/opt/Ostrel 3/ostrel3", R"("/opt/Ostrel 3/ostrel3")"},
        {R"(/o$t/"q"\b%u`x`)", R"("/o\\$t/\\"q\\"\\\\b%%u\\`x\\`")"},
        {"", R"("")"},
    };
    for (const auto& [program, exec] : cases) {
        EXPECT_EQ(AutostartEntryText("Ostrel", {program, "-runkey"}),
                  Entry("Ostrel", exec + " -runkey"))
            << program;
    }
}

TEST(AutostartEntryTextTest, AControlCharacterCannotBeWritten) {
    EXPECT_EQ(AutostartEntryText("Ostrel", {"/opt/a\nExec=/bin/evil", "-runkey"}), std::nullopt);
    EXPECT_EQ(AutostartEntryText("Ostrel\r", {"/opt/a"}), std::nullopt);
}

}  // namespace
}  // namespace ostrel
