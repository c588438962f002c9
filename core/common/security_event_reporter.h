#pragma once

#include <string>

#include "common/event_log.h"
#include "common/security_event.h"
#include "common/settings_store.h"
#include "platform/datagram_sender.h"

namespace ostrel {

// The policy the settings give: LogBadPasswords, reportSecurityEvents and MasterIP.
SecurityEventPolicy SecurityEventPolicyOf(const TOstrelSettings& settings);

// Reports security events under the settings in force at each call. Safe to call from any thread
// when the sender is.
class SecurityEventReporter {
public:
    SecurityEventReporter(const OstrelSettingsStore& settings, EventLog& log,
                          DatagramSender& sender);

    void Report(const std::string& text) const;

private:
    const OstrelSettingsStore& settings_;
    EventLog& log_;
    DatagramSender& sender_;
};

}  // namespace ostrel
