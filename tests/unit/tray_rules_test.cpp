#include <gtest/gtest.h>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_datagram_sender.h"
#include "platform/sleep_events.h"
#include "workstation/process/tray_hot_key.h"
#include "workstation/process/tray_idle_watch.h"
#include "workstation/process/tray_power_events.h"

namespace ostrel {
namespace {

struct IdleCase {
    const char* name;
    IdleWatchInput input;
    IdleWatchStep expected;
};

TEST(TrayIdleWatch, WarnsOnceInTheLastMinuteAndLocksAtTheLockTime) {
    constexpr IdleWatchStep kNothing{};
    constexpr IdleWatchStep kWarn{true, false, false};
    constexpr IdleWatchStep kHide{false, true, false};
    constexpr IdleWatchStep kLock{false, true, true};
    const IdleCase cases[] = {
        {"idle lock off", {false, 10, 20000, false, false}, kNothing},
        {"idle lock off, balloon left alone", {false, 300, 245000, true, false}, kNothing},
        {"well before the window", {true, 300, 100000, false, false}, kNothing},
        {"one ms before the window", {true, 300, 239999, false, false}, kNothing},
        {"window opens at exactly one minute left", {true, 300, 240000, false, false}, kWarn},
        {"inside the window", {true, 300, 241000, false, false}, kWarn},
        {"last ms of the window", {true, 300, 241099, false, false}, kWarn},
        {"window closed 1.1 s after it opened", {true, 300, 241100, false, false}, kNothing},
        {"shown and still idle", {true, 300, 250000, true, false}, kNothing},
        {"shown and input came back", {true, 300, 1000, true, false}, kHide},
        {"shown and still in the window", {true, 300, 241000, true, false}, kNothing},
        {"shown, back at exactly one minute left", {true, 300, 240000, true, false}, kNothing},
        {"shown, back at one minute and a ms left", {true, 300, 239999, true, false}, kHide},
        {"not shown, input", {true, 300, 1000, false, false}, kNothing},
        {"lock time reached", {true, 300, 300000, false, false}, kLock},
        {"lock time passed with the balloon up", {true, 300, 310000, true, false}, kLock},
        {"lock time reached but a lock is up", {true, 300, 400000, false, true}, kNothing},
        {"lock time 10: no warning", {true, 10, 5000, false, false}, kNothing},
        {"lock time 10 reached", {true, 10, 10000, false, false}, kLock},
        {"lock time 58: window never reached", {true, 58, 0, false, false}, kNothing},
        {"lock time 59: window at the first moment", {true, 59, 0, false, false}, kWarn},
        {"lock time 60: warning in the first second", {true, 60, 1000, false, false}, kWarn},
        {"lock time 70: warning after 10 s", {true, 70, 10500, false, false}, kWarn},
        {"lock time 70: before the warning", {true, 70, 9500, false, false}, kNothing},
        {"huge lock time does not overflow", {true, 5000000, 1000, false, false}, kNothing},
    };
    for (const IdleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const IdleWatchStep step = IdleWatchTick(c.input);
        EXPECT_EQ(step.showWarning, c.expected.showWarning);
        EXPECT_EQ(step.hideBalloon, c.expected.hideBalloon);
        EXPECT_EQ(step.lock, c.expected.lock);
    }
}

TEST(TrayIdleWatch, OneSecondTicksShowTheWarningExactlyOnce) {
    for (std::uint32_t offset = 0; offset < 1000; offset += 37) {
        SCOPED_TRACE(offset);
        int shown = 0;
        bool balloon = false;
        for (std::uint32_t idle = offset; idle < 300000; idle += 1000) {
            const IdleWatchStep step = IdleWatchTick({true, 300, idle, balloon, false});
            if (step.showWarning) ++shown, balloon = true;
            if (step.hideBalloon) balloon = false;
        }
        EXPECT_EQ(shown, 1);
    }
}

TOstrelSettings HotKeySettings(bool ctrl, bool alt, bool shift, bool win, int index) {
    TOstrelSettings settings;
    settings.hkCtrl = ctrl;
    settings.hkAlt = alt;
    settings.hkShift = shift;
    settings.hkWin = win;
    settings.hkHotKeyIndex = index;
    return settings;
}

struct HotKeyCase {
    TOstrelSettings settings;
    const char* text;
    std::optional<HotKeyCombination> combination;
};

TEST(TrayHotKey, SettingsGiveTextAndX11Combination) {
    const HotKeyCase cases[] = {
        {HotKeySettings(true, true, false, false, 18), "Ctrl + Alt + S",
         HotKeyCombination{0x73, kX11ControlMask | kX11Mod1Mask}},
        {HotKeySettings(false, false, false, false, 0), "A", HotKeyCombination{0x61, 0}},
        {HotKeySettings(true, true, true, true, 25), "Ctrl + Alt + Shift + Win + Z",
         HotKeyCombination{0x7a, kX11ControlMask | kX11Mod1Mask | kX11ShiftMask | kX11Mod4Mask}},
        {HotKeySettings(false, false, true, false, 11), "Shift + L",
         HotKeyCombination{0x6c, kX11ShiftMask}},
        {HotKeySettings(false, false, false, true, 7), "Win + H",
         HotKeyCombination{0x68, kX11Mod4Mask}},
        {HotKeySettings(true, false, false, false, 26), "Ctrl + ", std::nullopt},
        {HotKeySettings(true, true, false, false, -1), "Ctrl + Alt + ", std::nullopt},
    };
    for (const HotKeyCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(HotKeyText(c.settings), c.text);
        EXPECT_EQ(LockHotKeyOf(c.settings), c.combination);
    }
}

TEST(TrayHotKey, DefaultsAreCtrlAltS) {
    EXPECT_EQ(TrayReadyText(HotKeyText(RegistryDefaults(SettingsContext{}))),
              "Double click or press Ctrl + Alt + S to lock system.");
}

TEST(TrayHotKey, DebugSwitchAddsAltEscapeAsNumberOne) {
    const TOstrelSettings settings = HotKeySettings(true, true, false, false, 18);
    const HotKeyCombination lock{0x73, kX11ControlMask | kX11Mod1Mask};
    EXPECT_EQ(HotKeysToRegister(settings, false), (std::vector<NumberedHotKey>{{0, lock}}));
    EXPECT_EQ(HotKeysToRegister(settings, true),
              (std::vector<NumberedHotKey>{{0, lock}, {1, {kKeysymEscape, kX11Mod1Mask}}}));
    // No letter: nothing is grabbed for number 0 (a key code of 0 would grab every key).
    EXPECT_EQ(HotKeysToRegister(HotKeySettings(true, true, false, false, 30), true),
              (std::vector<NumberedHotKey>{{1, {kKeysymEscape, kX11Mod1Mask}}}));
}

TEST(TrayHotKey, GrabsCoverCapsLockAndNumLock) {
    constexpr std::uint16_t kMod2 = 1 << 4;
    constexpr std::uint16_t kCtrlAlt = kX11ControlMask | kX11Mod1Mask;
    EXPECT_EQ(GrabModifierVariants(kCtrlAlt, kMod2),
              (std::vector<std::uint16_t>{kCtrlAlt, kCtrlAlt | kX11LockMask, kCtrlAlt | kMod2,
                                          kCtrlAlt | kMod2 | kX11LockMask}));
    EXPECT_EQ(GrabModifierVariants(kCtrlAlt, 0),
              (std::vector<std::uint16_t>{kCtrlAlt, kCtrlAlt | kX11LockMask}));

    // A key event matches whatever CapsLock, NumLock and the pointer buttons say.
    const std::uint16_t pressed = kCtrlAlt | kX11LockMask | kMod2 | (1 << 8);
    EXPECT_EQ(HotKeyModifiersOf(pressed, kMod2), kCtrlAlt);
    EXPECT_EQ(HotKeyModifiersOf(kCtrlAlt | kMod2, 0), kCtrlAlt | kMod2);
}

class TrayPowerEvents : public testing::Test {
protected:
    TrayPowerEvents() { files_.AddDirectories("/data"); }

    std::string Console() const { return log_.ControllerConsoleText(); }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/prog/"};
    RecordingDatagramSender sender_;
};

TEST_F(TrayPowerEvents, EachEventHasItsText) {
    const std::pair<int, std::string_view> cases[] = {
        {kPowerQuerySuspendFailed, "Suspension request failed..."},
        {kPowerSuspend, "System is suspending..."},
        {kPowerResumeCritical, "System is resuming operations after a critical suspension..."},
        {kPowerResumeSuspend, "System is resuming operations after suspending..."},
        {kPowerBatteryLow, "Battery is low."},
        {kPowerResumeAutomatic, "System is resuming automatically after an event..."},
        {kPowerStandBy, ""},
        {10, ""},
        {0, ""},
    };
    for (const auto& [event, text] : cases) {
        SCOPED_TRACE(event);
        EXPECT_EQ(PowerEventText(event), text);
    }
}

TEST_F(TrayPowerEvents, ReportedToTheMasterOnlyWhenAsked) {
    TOstrelSettings settings;
    settings.MasterIP = "10.1.2.3";
    HandlePowerEvent(kPowerSuspend, settings, log_, sender_);
    EXPECT_TRUE(sender_.Sent().empty());
    EXPECT_NE(Console().find("] System is suspending...\r\n"), std::string::npos);

    settings.reportPowerEvents = true;
    log_.SetDebugSwitches(true, false);
    HandlePowerEvent(kPowerResumeSuspend, settings, log_, sender_);
    // Another number sends the prefix alone.
    HandlePowerEvent(10, settings, log_, sender_);
    EXPECT_EQ(sender_.Sent(),
              (std::vector<RecordingDatagramSender::Datagram>{
                  {"10.1.2.3", 8778, "/pe:System is resuming operations after suspending..."},
                  {"10.1.2.3", 8778, "/pe:"}}));
    const std::string log = files_.ReadFile("/data/Logs/Dec-09-09.txt").value_or("");
    EXPECT_NE(log.find("] *UDP SEND to 10.1.2.3\r\n"), std::string::npos);
}

}  // namespace
}  // namespace ostrel
