#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "../support/recording_manager_log.h"
#include "common/number_helpers.h"
#include "console/computer_columns.h"
#include "console/computer_list.h"

namespace ostrel {
namespace {

using testing::ElementsAre;

// A status report as a workstation writes it: fourteen elements separated by CR.
std::string Report(const std::string& name, const std::string& address,
                   const std::string& status = "Unlocked", const std::string& idle = "5") {
    return "<computername>" + name + "</computername>\r<internalip>" + address +
           "</internalip>\r<mac>00-11-22-33-44-55</mac>\r<group>(n/a)</group>\r<status>" + status +
           "</status>\r<idletime>" + idle +
           "</idletime>\r<uptime>90061</uptime>\r<currentuser>ann</currentuser>\r"
           "<ostrelversion>3.0.0.48</ostrelversion>\r<comments>comment</comments>\r"
           "<masterip>10.0.0.1</masterip>\r<layout>default.slf</layout>\r<rdp>0</rdp>\r"
           "<locktime>59</locktime>";
}

TEST(TagValue, CutsBetweenTheFirstOpeningAndTheNextClosingTag) {
    struct Case {
        const char* text;
        const char* tag;
        const char* expected;
    };
    const Case cases[] = {
        {"<a>x</a>", "a", "x"},
        {"<a></a>", "a", ""},
        {"<a>x</a><a>y</a>", "a", "x"},
        {"pre<a>x", "a", "x"},                  // no closing tag: the rest
        {"no tags here", "a", "no tags here"},  // no opening tag: the whole text
        {"</a>x<a>y", "a", "y"},                // a closing tag before the opening one
        {"<A>x</A>", "a", "<A>x</A>"},          // exact case
        {"<mac>1</mac><macx>2</macx>", "macx", "2"},
        {"<status>Locked</status>", "stat", "<status>Locked</status>"},
    };
    for (const Case& c : cases) EXPECT_EQ(TagValue(c.text, c.tag), c.expected) << c.text;
}

TEST(MergeStatusReport, FillsEveryFieldFromItsTag) {
    TComputerList list;
    EXPECT_EQ(list.MergeStatusReport("<HTML><BODY><B>200 " + Report("pc1", "10.0.0.5") +
                                     "</B></BODY></HTML>\r\n"),
              0u);
    ASSERT_EQ(list.Count(), 1u);
    const TComputer expected{
        "pc1",   "10.0.0.5", "00-11-22-33-44-55", "Unlocked", "ann",         "5", "90061",
        "(n/a)", "3.0.0.48", "comment",           "10.0.0.1", "default.slf", "0", "59"};
    EXPECT_EQ(list.At(0), expected);
}

TEST(MergeStatusReport, SameNameRefreshesOneRecordAndLetterCaseMakesAnother) {
    TComputerList list;
    list.MergeStatusReport(Report("pc1", "10.0.0.5", "Unlocked"));
    list.MergeStatusReport(Report("pc2", "10.0.0.6"));
    // Another workstation with the same name: the record shows whichever answered last.
    EXPECT_EQ(list.MergeStatusReport(Report("pc1", "10.0.0.7", "Locked")), 0u);
    EXPECT_EQ(list.MergeStatusReport(Report("PC1", "10.0.0.8")), 2u);

    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0).internalIp, "10.0.0.7");
    EXPECT_EQ(list.At(0).status, "Locked");
    EXPECT_EQ(list.At(2).computerName, "PC1");
}

TEST(MergeStatusReport, MissingTagsStoreTheWholeReportCutToTheFieldsBound) {
    TComputerList list;
    const std::string report =
        "<computername>pc1</computername><status>Locked</status>" + std::string(300, 'x');
    list.MergeStatusReport(report);
    const TComputer& pc = list.At(0);
    EXPECT_EQ(pc.computerName, "pc1");
    EXPECT_EQ(pc.status, "Locked");
    EXPECT_EQ(pc.internalIp, report.substr(0, 15));
    EXPECT_EQ(pc.mac, report.substr(0, 18));
    EXPECT_EQ(pc.rdp, report.substr(0, 3));
    EXPECT_EQ(pc.layout, report.substr(0, 255));

    // Without a computer name the record is named by its own text.
    list.MergeStatusReport("<status>x</status>");
    EXPECT_EQ(list.At(1).computerName, "<status>x</status>");
}

TEST(MergeStatusReport, LongValuesAreCutToTheirBounds) {
    TComputerList list;
    const std::string longName(300, 'n');
    list.MergeStatusReport("<computername>" + longName + "</computername><mac>mac not found</mac>" +
                           "<internalip>1234567890123456789</internalip><rdp>-1</rdp>");
    EXPECT_EQ(list.At(0).computerName, longName.substr(0, 255));
    EXPECT_EQ(list.At(0).mac, "mac not found");
    EXPECT_EQ(list.At(0).internalIp, "123456789012345");
    EXPECT_EQ(list.At(0).rdp, "-1");
    // The same long name again finds the cut record.
    list.MergeStatusReport("<computername>" + longName + "</computername>");
    EXPECT_EQ(list.Count(), 1u);

    list.MergeStatusReport("<computername>x</computername><mac>00-11-22-33-44-55-66</mac>");
    EXPECT_EQ(list.At(1).mac, "00-11-22-33-44-55-");
}

TEST(MergeStatusReport, FindsRecordsAfterRemovalSortingAndClearing) {
    TComputerList list;
    for (const char* name : {"d", "c", "b", "a"}) list.MergeStatusReport(Report(name, "10.0.0.1"));
    list.RemoveAt(1);  // c
    EXPECT_EQ(list.IndexOfName("b"), 1u);
    EXPECT_EQ(list.IndexOfName("c"), std::nullopt);
    EXPECT_EQ(list.MergeStatusReport(Report("a", "10.0.0.2")), 2u);
    EXPECT_EQ(list.At(2).internalIp, "10.0.0.2");
    SortComputers(list, 0, true);
    EXPECT_EQ(list.MergeStatusReport(Report("d", "10.0.0.3")), 2u);
    EXPECT_EQ(list.At(2).internalIp, "10.0.0.3");
    list.Clear();
    EXPECT_EQ(list.MergeStatusReport(Report("a", "10.0.0.4")), 0u);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(ComputerGetIndex, FindsTheLastExactMatchAndLogsTheSearch) {
    TComputerList list;
    list.MergeStatusReport(Report("pc1", "10.0.0.5"));
    list.MergeStatusReport(Report("pc2", "10.0.0.6"));
    RecordingManagerLog log;
    EXPECT_EQ(list.ComputerGetIndex("pc2", log), 1);
    EXPECT_EQ(list.ComputerGetIndex("PC2", log), -1);
    EXPECT_THAT(log.lines,
                ElementsAre(":ComputerGetIndex:pc2", ":ComputerGetIndex: Found: 1",
                            ":ComputerGetIndex:PC2", ":ComputerGetIndex: NOT Found: -1"));
}

TEST(FormatDurationText, WholeNonNegativeNumbersOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0 sec"},
        {"59", "59 sec"},
        {"3600", "1 hrs 0 min 0 sec"},
        {"90061", "1 days 1 hrs 1 min 1 sec"},
        {"+61", "1 min 1 sec"},
        {"abc", "(n/a)"},
        {"", "(n/a)"},
        {"-1", "(n/a)"},
        {"1.5", "(n/a)"},
        {" 5", "(n/a)"},
        {"99999999999999999999", "(n/a)"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(FormatDuration(std::string_view(text)), expected) << text;
    }
}

TEST(ComputerColumns, RowTextsFollowTheColumnTable) {
    TComputerList list;
    list.MergeStatusReport(Report("pc1", "10.0.0.5", "Locked", "abc"));
    const TComputer& pc = list.At(0);
    const char* expected[] = {"pc1",
                              "10.0.0.5",
                              "Locked",
                              "ann",
                              "(n/a)",
                              "1 days 1 hrs 1 min 1 sec",
                              "59 sec",
                              "3.0.0.48",
                              "default.slf",
                              "comment",
                              "00-11-22-33-44-55",
                              "(n/a)",
                              "10.0.0.1",
                              "",
                              ""};
    ASSERT_EQ(ComputerColumns().size(), std::size(expected));
    for (int column = 0; column < 15; ++column) {
        EXPECT_EQ(ComputerColumnText(pc, column), expected[column]) << column;
    }
    EXPECT_EQ(ComputerColumnText(pc, 15), "");
    EXPECT_EQ(ComputerColumns()[13].caption, "AdminMode");
}

class SortComputersTest : public testing::Test {
protected:
    SortComputersTest() {
        Add("beta", "10.0.0.10", "Locked", "120", "3.0.0.9");
        Add("Alpha", "10.0.0.9", "Unlocked", "abc", "3.0.0.10");
        Add("gamma", "9.255.0.1", "locked", "7", "3.0.0.48");
        Add("delta", "junk", "Unlocked", "7", "x");
    }
    void Add(const std::string& name, const std::string& address, const std::string& status,
             const std::string& idle, const std::string& version) {
        list_.MergeStatusReport("<computername>" + name + "</computername><internalip>" + address +
                                "</internalip><status>" + status + "</status><idletime>" + idle +
                                "</idletime><ostrelversion>" + version + "</ostrelversion>");
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const TComputer& pc : list_.Items()) names.push_back(pc.computerName);
        return names;
    }
    TComputerList list_;
};

TEST_F(SortComputersTest, EachColumnSortsByItsOwnKeyInBothDirections) {
    struct Case {
        int column;
        bool ascending;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {0, true, {"Alpha", "beta", "delta", "gamma"}},
        {0, false, {"gamma", "delta", "beta", "Alpha"}},
        // Addresses by number; text that is no address last.
        {1, true, {"gamma", "Alpha", "beta", "delta"}},
        {1, false, {"delta", "beta", "Alpha", "gamma"}},
        // Status without letter case, ties by name.
        {2, true, {"beta", "gamma", "Alpha", "delta"}},
        // Durations by number; "(n/a)" last.
        {4, true, {"delta", "gamma", "beta", "Alpha"}},
        {7, true, {"beta", "Alpha", "gamma", "delta"}},
    };
    for (const Case& c : cases) {
        SortComputers(list_, c.column, c.ascending);
        EXPECT_EQ(Names(), c.names) << c.column << (c.ascending ? " up" : " down");
    }
}

TEST_F(SortComputersTest, ColumnsWithoutValuesKeepTheOrder) {
    const std::vector<std::string> before = Names();
    for (const int column : {13, 14, 15, -1}) {
        SortComputers(list_, column, false);
        EXPECT_EQ(Names(), before) << column;
    }
}

}  // namespace
}  // namespace ostrel
