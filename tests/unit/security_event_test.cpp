#include "common/security_event.h"

#include <gtest/gtest.h>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_datagram_sender.h"

namespace ostrel {
namespace {

constexpr char kToday[] = "/data/Logs/Dec-09-09.txt";
constexpr char kEvent[] = "Incorrect password to access Options";

struct PolicyCase {
    bool logBadPasswords;
    bool reportSecurityEvents;
    bool logged;
    bool sent;
};

TEST(SecurityEvent, PolicyDecidesBetweenLogLineAndDatagram) {
    const PolicyCase cases[] = {
        {true, true, true, true},
        {true, false, true, false},
        {false, true, false, true},
        {false, false, false, false},
    };
    for (const PolicyCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "log " << c.logBadPasswords << " report " << c.reportSecurityEvents);
        FakeFileSystem files;
        files.AddDirectories("/data");
        FakeClock clock;
        EventLog log(files, clock, "/data/", "/prog/");
        RecordingDatagramSender sender;
        ReportSecurityEvent(log, {c.logBadPasswords, c.reportSecurityEvents, "10.0.0.1"}, sender,
                            kEvent);

        const std::string text = files.ReadFile(kToday).value_or("");
        EXPECT_EQ(text.find("] Security Event: Incorrect password to access Options\r\n") !=
                      std::string::npos,
                  c.logged);
        const auto expected =
            c.sent ? std::vector<RecordingDatagramSender::Datagram>{{"10.0.0.1", 8778,
                                                                     "/se:" + std::string(kEvent)}}
                   : std::vector<RecordingDatagramSender::Datagram>{};
        EXPECT_EQ(sender.Sent(), expected);
    }
}

TEST(SecurityEvent, TracesTheEventAndTheSend) {
    FakeFileSystem files;
    files.AddDirectories("/data");
    FakeClock clock;
    EventLog log(files, clock, "/data/", "/prog/");
    log.SetDebugSwitches(true, false);
    RecordingDatagramSender sender;
    ReportSecurityEvent(log, {false, true, "10.0.0.1"}, sender, kEvent);
    EXPECT_EQ(files.ReadFile(kToday),
              "-- Ostrel3 log file -- created 12/9/2009 3:04:05 PM\r\n\r\n\r\n"
              "[3:04:05 PM] *Security Event: Incorrect password to access Options\r\n"
              "[3:04:05 PM] *UDP SEND to 10.0.0.1\r\n");
}

}  // namespace
}  // namespace ostrel
