#pragma once

#include <string>

#include "common/event_log.h"
#include "platform/datagram_sender.h"

namespace ostrel {

// The settings that decide where a security event goes.
struct SecurityEventPolicy {
    bool logBadPasswords = true;
    bool reportSecurityEvents = true;
    std::string masterIp;
};

inline constexpr int kMasterEventPort = 8778;

// Traces the event, writes it to the daily log when bad passwords are logged, and sends
// "/se:" + text to the master computer when security events are reported.
void ReportSecurityEvent(EventLog& log, const SecurityEventPolicy& policy, DatagramSender& sender,
                         const std::string& text);

}  // namespace ostrel
