#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "../support/recording_manager_log.h"
#include "console/discovery.h"

namespace ostrel {
namespace {

using testing::ElementsAre;

std::string Report(const std::string& name, const std::string& address) {
    return "<computername>" + name + "</computername><internalip>" + address + "</internalip>";
}

TEST(Discovery, AnswersAreLoggedAndValidSendersKeptOnceInOrder) {
    EXPECT_EQ(DiscoveryDatagram("10.77.0.1"), "/query?sendto=10.77.0.1");
    RecordingManagerLog log;
    DiscoveryAnswers answers(log);
    answers.Receive("10.77.0.3", "10.77.0.3");
    answers.Receive("10.77.0.2", "10.77.0.2");
    answers.Receive("10.77.0.3", "10.77.0.3");  // a second answer starts no second query
    answers.Receive("x", "");
    answers.Receive("x", "01.2.3.4");
    EXPECT_THAT(answers.Found(), ElementsAre("10.77.0.3", "10.77.0.2"));
    EXPECT_THAT(log.lines, ElementsAre("10.77.0.3 . 10.77.0.3", "10.77.0.2 . 10.77.0.2",
                                       "10.77.0.3 . 10.77.0.3", "x . ", "x . 01.2.3.4"));
}

TEST(Discovery, PruningRemovesRecordsWhoseAddressDidNotAnswer) {
    TComputerList list;
    for (const char* name : {"a", "b", "c", "d"}) {
        list.MergeStatusReport(Report(name, std::string("10.0.0.") + (name[0] == 'c' ? "9" : "1")));
    }
    list.MergeStatusReport(Report("e", "10.0.0.2"));
    EXPECT_THAT(RecordsToPrune(list, {"10.0.0.1", "10.0.0.7"}), ElementsAre(4, 2));
    EXPECT_THAT(RecordsToPrune(list, {}), ElementsAre(4, 3, 2, 1, 0));
    EXPECT_THAT(RecordsToPrune(list, {"10.0.0.1", "10.0.0.2", "10.0.0.9"}), ElementsAre());
}

TEST(Discovery, EventDatagramLines) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::string big = "/se:" + std::string(5000, 'x');
    const Case cases[] = {
        {"/se:Incorrect username/password entered for user: bob",
         {"UDP: Security Event: From 10.0.0.5:40000 : Incorrect username/password entered for "
          "user: bob"}},
        {"/pe:", {"UDP: Power Event: From 10.0.0.5:40000 : "}},
        {"junk /se:a/se:b", {"UDP: Security Event: From 10.0.0.5:40000 : a/se:b"}},
        {"/pe:x/se:y",
         {"UDP: Security Event: From 10.0.0.5:40000 : y",
          "UDP: Power Event: From 10.0.0.5:40000 : x/se:y"}},
        {"hello", {"Unknown UDP datagram: hello"}},
        {big, {"UDP: Security Event: From 10.0.0.5:40000 : " + std::string(4096, 'x')}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EventDatagramLines(c.text, "10.0.0.5", 40000), c.lines) << c.text;
    }
}

TEST(Discovery, StatusRepliesToMergeAndLogLinesOfFailures) {
    RecordingManagerLog log;
    EXPECT_TRUE(CheckStatusReply(log, "10.0.0.5", QueryEnd::kReply, "",
                                 "<HTML><BODY><B>200 " + Report("pc", "10.0.0.5")));
    EXPECT_FALSE(CheckStatusReply(log, "10.0.0.6", QueryEnd::kReply, "", ""));
    EXPECT_FALSE(CheckStatusReply(log, "10.0.0.7", QueryEnd::kConnectTimeout, "", ""));
    EXPECT_FALSE(CheckStatusReply(log, "10.0.0.8", QueryEnd::kFailed, "Connection refused", ""));
    EXPECT_THAT(log.lines,
                ElementsAre("IP address 10.0.0.6 sent a strange response:", "",
                            "Connection timed out (10.0.0.7)", "Connection refused (10.0.0.8)"));
}

TEST(Discovery, ScanRange) {
    struct Case {
        const char* first;
        const char* last;
        std::uint64_t count;
        const char* error;
    };
    const Case cases[] = {
        {"10.0.0.1", "10.0.0.10", 10, ""},
        {"10.0.0.1", "10.0.0.1", 1, ""},
        {"10.0.1.0", "10.0.0.255", 0, ""},
        {"10.0.0.0", "10.0.255.255", 65536, ""},
        {"1.1.1.1", "255.255.255.255", 0xFEFEFEFFull, ""},
        {"192.168.1.300", "10.0.0.1", 0, "Starting IP is not valid."},
        {"10.0.0.1", "", 0, "Ending IP is not valid."},
    };
    for (const Case& c : cases) {
        const ScanRange range = MakeScanRange(c.first, c.last);
        EXPECT_EQ(range.error, c.error) << c.first;
        EXPECT_EQ(range.Count(), c.count) << c.first << " " << c.last;
    }
}

}  // namespace
}  // namespace ostrel
