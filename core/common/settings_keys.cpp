#include "common/settings_keys.h"

#include <array>

namespace ostrel {

namespace {

using S = TOstrelSettings;
constexpr IniUse kRW = IniUse::kReadWrite;
constexpr IniUse kNo = IniUse::kNotRead;

const std::array kKeys = {
    SettingKey{"General", "Latitude", &S::Latitude, kNo, false},
    SettingKey{"General", "Longitude", &S::Longitude, kNo, false},
    SettingKey{"General", "City", &S::City, kNo, false},
    SettingKey{"General", "State", &S::State, kNo, false},
    SettingKey{"General", "RunOnStartUp", &S::RunOnStartUp, kRW, false},
    SettingKey{"General", "CheckForUpdates", &S::CheckForUpdates, kRW, false},
    SettingKey{"General", "WantsBetas", &S::WantsBetas, kRW, false},
    SettingKey{"General", "HideStartupConsole", &S::HideStartupConsole, kRW, false},
    SettingKey{"General", "HideOstrelBar", &S::HideOstrelBar, kRW, false},
    SettingKey{"General", "HideOstrelBarOnMinimize", &S::HideOstrelBarOnMinimize, kRW, false},
    SettingKey{"General", "LayoutMode", &S::LayoutMode, kRW, false},
    SettingKey{"General", "LayoutFile", &S::LayoutFile, kRW, false},
    SettingKey{"General", "WeatherMap", &S::WeatherMap, kNo, false},
    SettingKey{"General", "StartupMode", &S::StartupMode, kRW, false},
    SettingKey{"General", "ShowSysInfoPanel", &S::ShowSysInfoPanel, kNo, false},
    SettingKey{"General", "DefaultToConsole", &S::DefaultToConsole, kNo, false},
    SettingKey{"General", "AlwaysUseCodeEditor", &S::AlwaysUseCodeEditor, kNo, false},
    SettingKey{"General", "NoWizard", &S::NoWizard, kNo, false},
    SettingKey{"General", "sHotKey", &S::sHotKey, kRW, false},
    SettingKey{"General", "sHKid", &S::sHKid, kRW, false},
    SettingKey{"General", "sHKmod", &S::sHKmod, kRW, false},
    SettingKey{"General", "sHKvirt", &S::sHKvirt, kRW, false},
    SettingKey{"General", "hkCtrl", &S::hkCtrl, kRW, false},
    SettingKey{"General", "hkAlt", &S::hkAlt, kRW, false},
    SettingKey{"General", "hkShift", &S::hkShift, kRW, false},
    SettingKey{"General", "hkWin", &S::hkWin, kRW, false},
    SettingKey{"General", "hkHotKeyIndex", &S::hkHotKeyIndex, kRW, false},

    SettingKey{"Security", "idleLock", &S::idleLock, kRW, false},
    SettingKey{"Security", "reportSecurityEvents", &S::reportSecurityEvents, kRW, false},
    SettingKey{"Security", "reportPowerEvents", &S::reportPowerEvents, kRW, false},
    SettingKey{"Security", "lockTime", &S::lockTime, kRW, false},
    SettingKey{"Security", "passwordHash", &S::passwordHash, kRW, false},
    SettingKey{"Security", "lockCDdrive", &S::lockCDdrive, kRW, false},
    SettingKey{"Security", "autoHide", &S::autoHide, kRW, false},
    SettingKey{"Security", "multiUser", &S::multiUser, kRW, false},
    SettingKey{"Security", "UserChangeLayout", &S::UserChangeLayout, kRW, false},
    SettingKey{"Security", "UserStandby", &S::UserStandby, kRW, false},
    SettingKey{"Security", "UserViewMessages", &S::UserViewMessages, kRW, false},
    SettingKey{"Security", "UserViewLogs", &S::UserViewLogs, kRW, false},
    SettingKey{"Security", "UserChangePassword", &S::UserChangePassword, kRW, false},
    SettingKey{"Security", "UserExitOstrel", &S::UserExitOstrel, kRW, false},
    SettingKey{"Security", "UserChangeSS", &S::UserChangeSS, kRW, false},
    SettingKey{"Security", "UserSuspendNetwork", &S::UserSuspendNetwork, kRW, false},
    SettingKey{"Security", "UserAccessHelp", &S::UserAccessHelp, kRW, false},
    SettingKey{"Security", "UserChangeConsole", &S::UserChangeConsole, kRW, false},
    SettingKey{"Security", "USBprompt", &S::USBprompt, kRW, false},
    SettingKey{"Security", "MinimizeWindowsBeforeLock", &S::MinimizeWindowsBeforeLock, kRW, false},
    SettingKey{"Security", "suspendNetwork", &S::suspendNetwork, kRW, false},
    SettingKey{"Security", "PreventAutoPlay", &S::PreventAutoPlay, kRW, false},
    SettingKey{"Security", "allowRemoteUnlocking", &S::allowRemoteUnlocking, kRW, false},
    SettingKey{"Security", "AllowedRemoteIPs", &S::AllowedRemoteIPs, kRW, true},
    SettingKey{"Security", "unlockMode", &S::unlockMode, kRW, false},
    SettingKey{"Security", "StopTaskMgr", &S::StopTaskMgr, kRW, false},
    SettingKey{"Security", "TaskMgrScanTime", &S::TaskMgrScanTime, kRW, false},
    SettingKey{"Security", "RequirePasswordToExit", &S::RequirePasswordToExit, kRW, false},
    SettingKey{"Security", "UseWinLockStartup", &S::UseWinLockStartup, kRW, false},
    SettingKey{"Security", "OnlyAdminCanUnlockMaster", &S::OnlyAdminCanUnlockMaster, kRW, false},
    SettingKey{"Security", "MasterIP", &S::MasterIP, kRW, false},

    SettingKey{"ScreenSavers", "defaultSaver", &S::defaultSaver, kRW, false},
    SettingKey{"ScreenSavers", "loadSaverOnStartup", &S::loadSaverOnStartup, kRW, false},
    SettingKey{"ScreenSavers", "startupSaverDelay", &S::startupSaverDelay, kRW, false},
    SettingKey{"ScreenSavers", "runSaverOnIdle", &S::runSaverOnIdle, kRW, false},
    SettingKey{"ScreenSavers", "idleDelay", &S::idleDelay, kRW, false},

    SettingKey{"Logging", "DoLog", &S::DoLog, kRW, false},
    SettingKey{"Logging", "LogOstrelStart", &S::LogOstrelStart, kRW, false},
    SettingKey{"Logging", "LogBadPasswords", &S::LogBadPasswords, kRW, false},
    SettingKey{"Logging", "LogCDinsertion", &S::LogCDinsertion, kRW, false},
    SettingKey{"Logging", "LogLockUnlock", &S::LogLockUnlock, kRW, false},
    SettingKey{"Logging", "LogOstrelExit", &S::LogOstrelExit, kRW, false},
    SettingKey{"Logging", "LogUserWhoUnlocked", &S::LogUserWhoUnlocked, kRW, false},

    SettingKey{"Messages", "allowNotes", &S::allowNotes, kRW, false},
    SettingKey{"Messages", "takeName", &S::takeName, kRW, false},
    SettingKey{"Messages", "takeSubject", &S::takeSubject, kRW, false},
    SettingKey{"Messages", "takeEmail", &S::takeEmail, kRW, false},
    SettingKey{"Messages", "askName", &S::askName, kRW, false},
    SettingKey{"Messages", "askSubject", &S::askSubject, kRW, false},
    SettingKey{"Messages", "askEmail", &S::askEmail, kRW, false},
    SettingKey{"Messages", "reqName", &S::reqName, kRW, false},
    SettingKey{"Messages", "reqSubject", &S::reqSubject, kRW, false},
    SettingKey{"Messages", "reqEmail", &S::reqEmail, kRW, false},
    SettingKey{"Messages", "emailNotes", &S::emailNotes, IniUse::kWriteEmpty, false},
    SettingKey{"Messages", "emailNotesAddress", &S::emailNotesAddress, IniUse::kWriteEmpty, false},
    SettingKey{"Messages", "DefaultAwayMessage", &S::DefaultAwayMessage, kRW, false},
    SettingKey{"Messages", "PromptForAwayMsg", &S::PromptForAwayMsg, kRW, false},
    SettingKey{"Messages", "secsBeforeDefaultMsg", &S::secsBeforeDefaultMsg, kRW, false},
    SettingKey{"Messages", "awayMessages", &S::awayMessages, kRW, true},

    SettingKey{"Advanced", "noBrowserScrollBars", &S::noBrowserScrollBars, kRW, false},
    SettingKey{"Advanced", "noBrowserBorder", &S::noBrowserBorder, kRW, false},
    SettingKey{"Advanced", "noBrowserSelect", &S::noBrowserSelect, kRW, false},
    SettingKey{"Advanced", "disableNavSounds", &S::disableNavSounds, kRW, false},
    SettingKey{"Advanced", "ScanForLayoutChanges", &S::ScanForLayoutChanges, kRW, false},

    SettingKey{"OstrelBar", "color", &S::color, kRW, false},
    SettingKey{"OstrelBar", "statusFont", &S::statusFont, kRW, false},
    SettingKey{"OstrelBar", "hideuntil", &S::hideuntil, kRW, false},
};

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

std::string StoredText(const TOstrelSettings& settings, const SettingField& field) {
    struct Visitor {
        const TOstrelSettings& settings;
        std::string operator()(std::string TOstrelSettings::*member) const { return settings.*member; }
        std::string operator()(int TOstrelSettings::*member) const {
            return std::to_string(settings.*member);
        }
        std::string operator()(bool TOstrelSettings::*member) const {
            return settings.*member ? "1" : "0";
        }
    };
    return std::visit(Visitor{settings}, field);
}

}  // namespace ostrel
