#include "common/settings_store.h"

#include <gtest/gtest.h>

#include "common/settings_keys.h"
#include "common/shortcut_text.h"
#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_dialogs.h"

namespace ostrel {
namespace {

constexpr const char* kProgramFolder = "/opt/Ostrel/";
constexpr const char* kIniPath = "/opt/Ostrel/settings.ini";
constexpr const char* kConfigFolder = "/home/u/.config/";
constexpr const char* kRegistryPath = "/home/u/.config/ostrel/registry.ini";

class SettingsStoreTest : public testing::Test {
protected:
    SettingsStoreTest() {
        fs_.AddDirectories("/opt/Ostrel");
        fs_.AddDirectories("/home/u/.local/share/Ostrel 3.0");
        fs_.AddDirectories("/home/u");
        PrepareRegistryStoreFolder(fs_, kConfigFolder);
    }

    std::unique_ptr<OstrelSettingsStore> NewStore() {
        return std::make_unique<OstrelSettingsStore>(fs_, log_, dialogs_, context_, kConfigFolder);
    }
    std::string Registry() const { return fs_.ReadFile(kRegistryPath).value_or(""); }

    FakeFileSystem fs_;
    FakeClock clock_;
    EventLog log_{fs_, clock_, "/home/u/.local/share/Ostrel 3.0/", kProgramFolder};
    RecordingDialogs dialogs_;
    SettingsContext context_{kProgramFolder, "/usr/lib/savers", "10.0.0.5"};
};

// Compares every field through its stored text, naming the first key that differs.
void ExpectSameSettings(const TOstrelSettings& actual, const TOstrelSettings& expected) {
    for (const SettingKey& key : SettingKeys()) {
        EXPECT_EQ(StoredText(actual, key.field), StoredText(expected, key.field)) << key.key;
    }
}

TEST_F(SettingsStoreTest, EmptyRegistryGivesRegistryDefaults) {
    auto store = NewStore();
    store->Start();
    EXPECT_FALSE(store->UsingIniSettings());
    const TOstrelSettings& s = *store->Get();
    ExpectSameSettings(s, RegistryDefaults(context_));
    EXPECT_EQ(s.passwordHash, "");
    EXPECT_EQ(s.LayoutFile, "/opt/Ostrel/layouts/html/bluegeneric.html");
    EXPECT_EQ(s.MasterIP, "10.0.0.5");
    EXPECT_EQ(s.defaultSaver, "/usr/lib/savers/scrnsave.scr");
    EXPECT_EQ(s.AllowedRemoteIPs, "192.168.1.*\r\n192.168.0.22*");
    EXPECT_NE(log_.ControllerConsoleText().find("] Settings Loaded.\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, IniWithOneKeyTakesIniDefaultsForTheRest) {
    fs_.SetFile(kIniPath, "[Security]\r\nlockTime=60\r\n");
    auto store = NewStore();
    store->Start();
    EXPECT_TRUE(store->UsingIniSettings());
    TOstrelSettings expected = IniDefaults(context_);
    expected.lockTime = 60;
    expected.LayoutFile = "/opt/Ostrel/layouts/html/bluegeneric.html";
    ExpectSameSettings(*store->Get(), expected);
    EXPECT_FALSE(store->Get()->autoHide);
    EXPECT_TRUE(store->Get()->loadSaverOnStartup);
    EXPECT_EQ(store->Get()->idleDelay, 120);
    EXPECT_FALSE(store->Get()->ShowSysInfoPanel);
    EXPECT_NE(log_.ControllerConsoleText().find("] Settings Loaded (INI)\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, ImportSeedsTheRegistryOnceAndRemovesTheFile) {
    fs_.SetFile(kIniPath,
                "[Deployment]\r\nimportINI=1\r\n[Security]\r\nlockTime=0x3C\r\n"
                "AllowedRemoteIPs=10.1.*\r\nAllowedRemoteIPs=10.2.*\r\n[General]\r\nCity=Austin\r\n");
    NewStore()->Start();
    EXPECT_FALSE(fs_.FileExists(kIniPath));
    EXPECT_TRUE(dialogs_.messages.empty());
    const std::string registry = Registry();
    EXPECT_NE(registry.find("[Ostrel 3.0\\Security]\r\n"), std::string::npos);
    EXPECT_NE(registry.find("ShowSysInfoPanel=0\r\n"), std::string::npos);

    auto next = NewStore();
    next->Start();
    EXPECT_FALSE(next->UsingIniSettings());
    EXPECT_EQ(next->Get()->lockTime, 60);
    EXPECT_EQ(next->Get()->AllowedRemoteIPs, "10.1.*\r\n10.2.*");
    EXPECT_EQ(next->Get()->City, "");  // not read from the file store
    EXPECT_FALSE(next->Get()->ShowSysInfoPanel);
    EXPECT_FALSE(next->Get()->importINI);
}

TEST_F(SettingsStoreTest, ImportThatCannotDeleteTheFileSaysSoAndStillSaves) {
    fs_.SetFile(kIniPath, "[Deployment]\r\nimportINI=1\r\n[Security]\r\nlockTime=61\r\n");
    fs_.SetReadOnly(kIniPath, true);
    auto store = NewStore();
    store->Start();
    EXPECT_EQ(dialogs_.messages, std::vector<std::string>{"cant delete settings.ini"});
    EXPECT_TRUE(fs_.FileExists(kIniPath));
    EXPECT_FALSE(store->UsingIniSettings());
    EXPECT_NE(Registry().find("lockTime=61\r\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, SaveIniWritesTheFileStoreForm) {
    auto store = NewStore();
    store->Start();
    store->Modify([](TOstrelSettings& s) {
        s.LayoutFile = "/OPT/ostrel/layouts/slf/mine.slf";
        s.emailNotes = true;
        s.emailNotesAddress = "me@example.com";
        s.City = "Austin";
        s.importINI = true;
    });
    ASSERT_TRUE(store->SaveINI());
    const std::string file = fs_.ReadFile(kIniPath).value_or("");
    EXPECT_EQ(file.rfind("[Deployment]\r\nimportINI=1\r\n\r\n[Security]\r\nMasterIP=10.0.0.5\r\n", 0), 0u)
        << file;
    EXPECT_NE(file.find("LayoutFile=layouts/slf/mine.slf\r\n"), std::string::npos);
    EXPECT_NE(file.find("emailNotes=0\r\n"), std::string::npos);
    EXPECT_NE(file.find("emailNotesAddress=\r\n"), std::string::npos);
    EXPECT_EQ(file.find("City="), std::string::npos);
    EXPECT_EQ(file.find("ShowSysInfoPanel"), std::string::npos);
    EXPECT_NE(file.find("AllowedRemoteIPs=192.168.1.*\r\nAllowedRemoteIPs=192.168.0.22*\r\n"),
              std::string::npos);

    store->LoadINI();
    EXPECT_EQ(store->Get()->LayoutFile, "/opt/Ostrel/layouts/slf/mine.slf");
    EXPECT_EQ(store->Get()->AllowedRemoteIPs, "192.168.1.*\r\n192.168.0.22*");
}

TEST_F(SettingsStoreTest, LayoutPathsFromOtherSystemsStayUsable) {
    fs_.SetFile(kIniPath, "[General]\r\nLayoutFile=layouts\\slf\\win.slf\r\n");
    auto store = NewStore();
    store->Start();
    EXPECT_EQ(store->Get()->LayoutFile, "/opt/Ostrel/layouts/slf/win.slf");
    fs_.SetFile(kIniPath, "[General]\r\nLayoutFile=/srv/layouts/shared.html\r\n");
    store->LoadINI();
    EXPECT_EQ(store->Get()->LayoutFile, "/srv/layouts/shared.html");
}

TEST_F(SettingsStoreTest, SaveWritesEveryKeyButWeatherMapAndDerivesTheHotKey) {
    auto store = NewStore();
    store->Start();
    store->Modify([](TOstrelSettings& s) {
        s.sHotKey = "Ctrl+Shift+L";
        s.WeatherMap = "radar";
        s.defaultSaver = "";
    });
    ASSERT_TRUE(store->Save());
    const std::string registry = Registry();
    for (const SettingKey& key : SettingKeys()) {
        const bool written = registry.find("\r\n" + std::string(key.key) + "=") != std::string::npos;
        EXPECT_EQ(written, std::string(key.key) != "WeatherMap") << key.key;
    }
    EXPECT_NE(registry.find("sHKid=76\r\nsHKmod=6\r\nsHKvirt=76\r\n"), std::string::npos);

    auto next = NewStore();
    next->Start();
    EXPECT_EQ(next->Get()->defaultSaver, "/usr/lib/savers/scrnsave.scr");
    EXPECT_EQ(next->Get()->sHKmod, 6);
}

TEST_F(SettingsStoreTest, RegistryValuesAreReadWithoutRegardToCase) {
    fs_.SetFile(kRegistryPath,
                "[ostrel 3.0\\SECURITY]\r\nIDLELOCK=yes\r\nautoHide=2\r\nlockTime=abc\r\n"
                "[Ostrel 3.0\\General]\r\nRunOnStartup=1\r\n");
    auto store = NewStore();
    store->Start();
    EXPECT_TRUE(store->Get()->idleLock);  // "yes" is no number: the default
    EXPECT_TRUE(store->Get()->autoHide);
    EXPECT_EQ(store->Get()->lockTime, 300);
    EXPECT_TRUE(store->Get()->RunOnStartUp);
}

TEST_F(SettingsStoreTest, AwayPresetsComeFromTheLiveListExceptDuringShutdown) {
    auto store = NewStore();
    store->Start();
    std::string live = "Gym=At the gym\r\n";
    store->SetAwayPresetsSource([&live] { return live; });
    ASSERT_TRUE(store->Save());
    EXPECT_NE(Registry().find("awayMessages=Gym=At the gym\r\nawayMessages=\r\n"), std::string::npos);

    live = "Changed=x\r\n";
    store->SetShutdownInProgress(true);
    ASSERT_TRUE(store->Save());
    EXPECT_EQ(Registry().find("Changed"), std::string::npos);
}

TEST_F(SettingsStoreTest, SaveLiveFollowsTheLiveStore) {
    fs_.SetFile(kIniPath, "[Security]\r\nlockTime=60\r\n");
    auto store = NewStore();
    store->Start();
    store->Modify([](TOstrelSettings& s) { s.lockTime = 90; });
    ASSERT_TRUE(store->SaveLive());
    EXPECT_NE(fs_.ReadFile(kIniPath)->find("lockTime=90\r\n"), std::string::npos);
    EXPECT_EQ(Registry(), "");
}

struct ShortCutCase {
    const char* text;
    int virtualKey;
    int modifiers;
};

TEST(ShortCutText, GivesKeyCodeAndModifierBits) {
    const ShortCutCase cases[] = {
        {"Ctrl+Alt+S", 83, 3}, {"Ctrl+Shift+L", 76, 6}, {"alt+shift+9", 57, 5},
        {"F5", 116, 0},        {"Ctrl+F12", 123, 2},    {"Shift+Del", 46, 4},
        {"Ctrl+Space", 32, 2}, {"Ctrl+Alt", 0, 0},      {"Hyper+S", 0, 0},
        {"", 0, 0},            {"Ctrl+F25", 0, 0},      {"Ctrl+SS", 0, 0},
    };
    for (const ShortCutCase& c : cases) {
        const ShortCut shortCut = ParseShortCut(c.text);
        EXPECT_EQ(shortCut.virtualKey, c.virtualKey) << c.text;
        EXPECT_EQ(shortCut.HotKeyModifiers(), c.modifiers) << c.text;
    }
}

}  // namespace
}  // namespace ostrel
