#include "workstation/remote/status_report.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(StatusReportTest, FourteenElementsJoinedByCr) {
    StatusFacts facts{"host", "10.0.0.5", "00-11-22-AA-BB-CC", "(n/a)",        "Locked", 12, 3600,
                      "ann",  "3.0.0.0",  "10.0.0.1",          "midnight.slf", true,     59};
    EXPECT_EQ(StatusReport(facts),
              "<computername>host</computername>\r<internalip>10.0.0.5</internalip>\r"
              "<mac>00-11-22-AA-BB-CC</mac>\r<group>(n/a)</group>\r<status>Locked</status>\r"
              "<idletime>12</idletime>\r<uptime>3600</uptime>\r<currentuser>ann</currentuser>\r"
              "<ostrelversion>3.0.0.0</ostrelversion>\r<comments>comment</comments>\r"
              "<masterip>10.0.0.1</masterip>\r<layout>midnight.slf</layout>\r<rdp>-1</rdp>\r"
              "<locktime>59</locktime>");
    facts.remoteSession = false;
    EXPECT_NE(StatusReport(facts).find("<rdp>0</rdp>"), std::string::npos);
}

TEST(StatusReportTest, StatusWord) {
    EXPECT_EQ(StatusWord(true, true), "Unlocking");
    EXPECT_EQ(StatusWord(false, true), "Locked");
    EXPECT_EQ(StatusWord(false, false), "Unlocked");
}

TEST(StatusReportTest, MacOfTheFirstRealAdapter) {
    struct Case {
        std::string name;
        std::vector<NetworkAdapter> adapters;
        std::string expected;
    };
    const Case cases[] = {
        {"none", {}, "mac not found"},
        {"loopback only", {{"lo", 1, true, "00:00:00:00:00:00"}}, "mac not found"},
        {"lowest index wins",
         {{"wlan0", 3, false, "aa:bb:cc:dd:ee:0f"}, {"eth0", 2, false, "00:1a:2b:3c:4d:5e"}},
         "00-1A-2B-3C-4D-5E"},
        {"zero and odd addresses skipped",
         {{"tun0", 2, false, ""},
          {"dummy", 3, false, "00:00:00:00:00:00"},
          {"ib0", 4, false, "80:00:00:48:fe:80:00:00"},
          {"eth1", 5, false, "02:42:ac:11:00:02"}},
         "02-42-AC-11-00-02"},
    };
    for (const Case& c : cases) EXPECT_EQ(MacAddressText(c.adapters), c.expected) << c.name;
}

}  // namespace
}  // namespace ostrel
