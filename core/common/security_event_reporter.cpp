#include "common/security_event_reporter.h"

namespace ostrel {

SecurityEventPolicy SecurityEventPolicyOf(const TOstrelSettings& settings) {
    return {settings.LogBadPasswords, settings.reportSecurityEvents, settings.MasterIP};
}

SecurityEventReporter::SecurityEventReporter(const OstrelSettingsStore& settings, EventLog& log,
                                             DatagramSender& sender)
    : settings_(settings), log_(log), sender_(sender) {}

void SecurityEventReporter::Report(const std::string& text) const {
    ReportSecurityEvent(log_, SecurityEventPolicyOf(*settings_.Get()), sender_, text);
}

}  // namespace ostrel
