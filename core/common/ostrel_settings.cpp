#include "common/ostrel_settings.h"

namespace ostrel {

namespace {

// The defaults both stores share; keys the file store does not read are set by RegistryDefaults.
TOstrelSettings SharedDefaults(const SettingsContext& context) {
    TOstrelSettings s;
    s.LayoutMode = 1;
    s.StartupMode = 1;
    s.sHotKey = "Ctrl+Alt+S";
    s.sHKid = 83;
    s.sHKmod = 0xC000;
    s.sHKvirt = 83;
    s.hkCtrl = true;
    s.hkAlt = true;
    s.hkHotKeyIndex = 18;

    s.idleLock = true;
    s.reportSecurityEvents = true;
    s.reportPowerEvents = true;
    s.lockTime = 300;
    s.lockCDdrive = true;
    s.UserAccessHelp = true;
    s.PreventAutoPlay = true;
    s.AllowedRemoteIPs = "192.168.1.*\r\n192.168.0.22*";
    s.StopTaskMgr = true;
    s.TaskMgrScanTime = 750;
    s.MasterIP = context.computerAddress;

    s.defaultSaver = DefaultScreenSaver(context);
    s.startupSaverDelay = 30;
    s.runSaverOnIdle = true;

    s.DoLog = true;
    s.LogOstrelStart = true;
    s.LogBadPasswords = true;
    s.LogCDinsertion = true;
    s.LogLockUnlock = true;
    s.LogOstrelExit = true;
    s.LogUserWhoUnlocked = true;

    s.allowNotes = true;
    s.takeName = true;
    s.takeSubject = true;
    s.askName = true;
    s.DefaultAwayMessage = kDefaultAwayMessage;
    s.secsBeforeDefaultMsg = 10;
    s.awayMessages = kDefaultAwayPresets;

    s.noBrowserScrollBars = true;
    s.noBrowserBorder = true;
    s.noBrowserSelect = true;

    s.color = "$00303030";
    s.statusFont = ",Tahoma,8,,clLime,1,";
    return s;
}

}  // namespace

std::string DefaultScreenSaver(const SettingsContext& context) {
    return context.systemFolder + "/scrnsave.scr";
}

TOstrelSettings RegistryDefaults(const SettingsContext& context) {
    TOstrelSettings s = SharedDefaults(context);
    s.LayoutFile = context.programFolder + kDefaultLayoutFile;
    s.ShowSysInfoPanel = true;
    s.autoHide = true;
    s.idleDelay = 180;
    return s;
}

TOstrelSettings IniDefaults(const SettingsContext& context) {
    TOstrelSettings s = SharedDefaults(context);
    s.LayoutFile = kDefaultLayoutFile;
    s.autoHide = false;
    s.loadSaverOnStartup = true;
    s.idleDelay = 120;
    return s;
}

}  // namespace ostrel
