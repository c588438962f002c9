#include "workstation/process/instance_message_hook.h"

#include "workstation/process/instance_messages.h"

namespace ostrel {

void HandleInstanceMessage(const InstanceMessage& message, InstanceMessageTarget& target,
                           EventLog& log) {
    if (message == kActivationMessage) {
        log.DebugLog("received 1147 (activate)");
        if (target.LockFormExists()) return;
        target.BringToFront();
        target.StartLockScreen();
    } else if (message == kTraceOnlyRequest) {
        log.DebugLog("received 6999,50");
    } else if (message == kActivateRequest) {
        log.DebugLog("Activate Ostrel MSG received 6998,51");
        target.StartLockScreen();
    } else if (message == kScreenSaverLaunchRequest) {
        log.DebugLog("OstrelLaunch /s message received 6998,52");
        target.SetCommandLineText("-noprompt");
        if (target.LockFormExists()) log.DebugLog("warning: frmMain is not nil!");
        target.StartLockScreen();
    } else if (message == kTerminateRequest) {
        log.DebugLog("received 6999, 53 (terminate)");
        target.Terminate();
    }
}

}  // namespace ostrel
