#pragma once

#include <string>

namespace ostrel {

// Every setting of the workstation agent, one field per key, named after the key. A value-type
// record: fields start at false, 0 or empty; the two default sets come from RegistryDefaults and
// IniDefaults.
struct TOstrelSettings {
    // [General]
    std::string Latitude;
    std::string Longitude;
    std::string City;
    std::string State;
    bool RunOnStartUp = false;
    bool CheckForUpdates = false;
    bool WantsBetas = false;
    bool HideStartupConsole = false;
    bool HideOstrelBar = false;
    bool HideOstrelBarOnMinimize = false;
    int LayoutMode = 0;
    std::string LayoutFile;
    std::string WeatherMap;
    int StartupMode = 0;
    bool ShowSysInfoPanel = false;
    bool DefaultToConsole = false;
    bool AlwaysUseCodeEditor = false;
    bool NoWizard = false;
    std::string sHotKey;
    int sHKid = 0;
    int sHKmod = 0;
    int sHKvirt = 0;
    bool hkCtrl = false;
    bool hkAlt = false;
    bool hkShift = false;
    bool hkWin = false;
    int hkHotKeyIndex = 0;
    std::string sAppLocation;

    // [Security]
    bool idleLock = false;
    bool reportSecurityEvents = false;
    bool reportPowerEvents = false;
    int lockTime = 0;
    std::string passwordHash;
    bool lockCDdrive = false;
    bool autoHide = false;
    bool multiUser = false;
    bool UserChangeLayout = false;
    bool UserStandby = false;
    bool UserViewMessages = false;
    bool UserViewLogs = false;
    bool UserChangePassword = false;
    bool UserExitOstrel = false;
    bool UserChangeSS = false;
    bool UserSuspendNetwork = false;
    bool UserAccessHelp = false;
    bool UserChangeConsole = false;
    bool USBprompt = false;
    bool MinimizeWindowsBeforeLock = false;
    bool suspendNetwork = false;
    bool PreventAutoPlay = false;
    bool allowRemoteUnlocking = false;
    std::string AllowedRemoteIPs;  // one pattern per line, CR LF between lines
    int unlockMode = 0;
    bool StopTaskMgr = false;
    int TaskMgrScanTime = 0;
    bool RequirePasswordToExit = false;
    bool UseWinLockStartup = false;
    bool OnlyAdminCanUnlockMaster = false;
    std::string MasterIP;

    // [ScreenSavers]
    std::string defaultSaver;
    bool loadSaverOnStartup = false;
    int startupSaverDelay = 0;
    bool runSaverOnIdle = false;
    int idleDelay = 0;

    // [Logging]
    bool DoLog = false;
    bool LogOstrelStart = false;
    bool LogBadPasswords = false;
    bool LogCDinsertion = false;
    bool LogLockUnlock = false;
    bool LogOstrelExit = false;
    bool LogUserWhoUnlocked = false;

    // [Messages]
    bool allowNotes = false;
    bool takeName = false;
    bool takeSubject = false;
    bool takeEmail = false;
    bool askName = false;
    bool askSubject = false;
    bool askEmail = false;
    bool reqName = false;
    bool reqSubject = false;
    bool reqEmail = false;
    bool emailNotes = false;
    std::string emailNotesAddress;
    std::string DefaultAwayMessage;
    bool PromptForAwayMsg = false;
    int secsBeforeDefaultMsg = 0;
    std::string awayMessages;  // name=text entries, each followed by CR LF

    // [Advanced]
    bool noBrowserScrollBars = false;
    bool noBrowserBorder = false;
    bool noBrowserSelect = false;
    bool disableNavSounds = false;
    bool ScanForLayoutChanges = false;

    // [OstrelBar]
    std::string color;
    std::string statusFont;
    bool hideuntil = false;

    // [Deployment], file store only
    bool importINI = false;
};

// What the defaults depend on. Folders end with "/".
struct SettingsContext {
    std::string programFolder;
    std::string systemFolder;     // where the default screen saver lives
    std::string computerAddress;  // taken once at start
};

inline constexpr const char* kDefaultAwayMessage =
    "I'm not here right now... but leave a message with Ostrel and I'll get back to you";
inline constexpr const char* kDefaultAwayPresets =
    "Lunch=Gone To Lunch\r\n"
    "Gone for day=I'm gone for the day.\r\n"
    "Meeting=In a meeting\r\n"
    "Invisible=I'm invisible right now. Talk to the empty chair.\r\n";
inline constexpr const char* kDefaultLayoutFile = "layouts/html/bluegeneric.html";

// Defaults when loading from the registry store.
TOstrelSettings RegistryDefaults(const SettingsContext& context);
// Defaults when loading from settings.ini; keys the file store does not read stay false, 0 or
// empty.
TOstrelSettings IniDefaults(const SettingsContext& context);
// The screen saver used when defaultSaver reads as empty.
std::string DefaultScreenSaver(const SettingsContext& context);

}  // namespace ostrel
