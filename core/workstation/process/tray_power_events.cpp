#include "workstation/process/tray_power_events.h"

#include <array>
#include <utility>

#include "common/security_event.h"
#include "platform/sleep_events.h"

namespace ostrel {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 6> kPowerTexts{{
    {kPowerQuerySuspendFailed, "Suspension request failed..."},
    {kPowerSuspend, "System is suspending..."},
    {kPowerResumeCritical, "System is resuming operations after a critical suspension..."},
    {kPowerResumeSuspend, "System is resuming operations after suspending..."},
    {kPowerBatteryLow, "Battery is low."},
    {kPowerResumeAutomatic, "System is resuming automatically after an event..."},
}};

}  // namespace

std::string_view PowerEventText(int event) {
    for (const auto& [number, text] : kPowerTexts) {
        if (number == event) return text;
    }
    return {};
}

void ReportPowerEvent(EventLog& log, const std::string& masterIp, DatagramSender& sender,
                      std::string_view text) {
    sender.SendDatagram(masterIp, kMasterEventPort, "/pe:" + std::string(text));
    if (log.DebugEnabled()) log.DebugLog("UDP SEND to " + masterIp);
}

void HandlePowerEvent(int event, const TOstrelSettings& settings, EventLog& log,
                      DatagramSender& sender) {
    const std::string_view text = PowerEventText(event);
    log.ConsoleLog(std::string(text));
    if (settings.reportPowerEvents) ReportPowerEvent(log, settings.MasterIP, sender, text);
}

}  // namespace ostrel
