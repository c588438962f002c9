#include "common/security_event.h"

namespace ostrel {

void ReportSecurityEvent(EventLog& log, const SecurityEventPolicy& policy, DatagramSender& sender,
                         const std::string& text) {
    const std::string line = "Security Event: " + text;
    log.DebugLog(line);
    if (policy.logBadPasswords) log.WriteLog(line);
    if (policy.reportSecurityEvents) {
        sender.SendDatagram(policy.masterIp, kMasterEventPort, "/se:" + text);
        if (log.DebugEnabled()) log.DebugLog("UDP SEND to " + policy.masterIp);
    }
}

}  // namespace ostrel
