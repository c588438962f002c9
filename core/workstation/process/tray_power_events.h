#pragma once

#include <string>
#include <string_view>

#include "common/event_log.h"
#include "common/ostrel_settings.h"
#include "platform/datagram_sender.h"

namespace ostrel {

// The text of a power-broadcast event (platform/sleep_events.h); empty for any other number.
std::string_view PowerEventText(int event);

// Sends "/pe:" + text to the master computer on the event port and traces it.
void ReportPowerEvent(EventLog& log, const std::string& masterIp, DatagramSender& sender,
                      std::string_view text);

// The tray's reaction to a power event: a console line with its text, and the report to the
// master computer when reportPowerEvents is on.
void HandlePowerEvent(int event, const TOstrelSettings& settings, EventLog& log,
                      DatagramSender& sender);

}  // namespace ostrel
