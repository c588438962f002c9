#include "workstation/remote/remote_commands.h"

#include <gtest/gtest.h>

#include "../support/account_world.h"
#include "../support/fake_lock_form.h"
#include "common/passwords.h"
#include "common/permissions.h"
#include "fake/fake_folder_listing.h"
#include "fake/fake_system_info.h"
#include "fake/recording_remote_workstation.h"

namespace ostrel {
namespace {

constexpr const char* kHeaders =
    "Content-Type: text/html\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n";
constexpr const char* kAdmin = "s_username=&s_password=secret";

// The reply the server writes: the status line with R's first line, the headers, one body line
// per send.
std::string Reply(const std::string& statusText, const std::vector<std::string>& bodies = {}) {
    std::string reply = "HTTP/1.1 200 " + statusText + "\r\n" + kHeaders;
    for (const std::string& body : bodies) {
        reply += "<HTML><BODY><B>200 " + body + "</B></BODY></HTML>\r\n";
    }
    return reply;
}

class RemoteCommandsTest : public testing::Test {
protected:
    RemoteCommandsTest() {
        world_.Change([](TOstrelSettings& s) {
            s.passwordHash = HashPassword("secret");
            s.MasterIP = "10.0.0.1";
            s.LogBadPasswords = true;
            s.LogUserWhoUnlocked = false;
            s.LayoutFile = "/prog/layouts/slf/midnight.slf";
        });
        world_.AddAccountOfEachLevel();
        system_.programFolder = AccountWorld::kProgramFolder;
        system_.hostName = "desk7";
    }

    std::string Get(const std::string& uri, const std::string& address = "127.0.0.1",
                    const std::string& method = "GET") {
        HttpRequestReader reader;
        EXPECT_EQ(reader.Feed(method + " " + uri + " HTTP/1.1\r\nHost: x\r\n\r\n"),
                  HttpRequestReader::State::kComplete);
        return commands_.Serve(reader.Request(), address);
    }
    std::vector<std::string> Calls() const { return workstation_.Calls(); }

    AccountWorld world_;
    FakeLockForm lockForm_;
    Authenticator authenticator_{world_.settings, world_.users, world_.log, lockForm_};
    FakeFolderListing folders_;
    FakeSystemInfo system_;
    RecordingRemoteWorkstation workstation_;
    LastRemoteUser lastRemoteUser_;
    PendingRemoteMessage pendingMessage_;
    RemoteCommands commands_{
        {world_.settings, authenticator_, world_.log, world_.files, folders_, world_.clock, system_,
         workstation_, lastRemoteUser_, pendingMessage_},
        {"10.0.0.5", "00-11-22-33-44-55", "WORKGROUP", "ann", "3.0.0.0", false}};
};

struct PathCase {
    std::string uri;
    std::string reply;
    std::vector<std::string> log;
    std::vector<std::string> calls;
};

class RemotePathTest : public RemoteCommandsTest, public testing::WithParamInterface<PathCase> {};

TEST_P(RemotePathTest, RepliesLogsAndActs) {
    const PathCase& c = GetParam();
    EXPECT_EQ(Get(c.uri), c.reply);
    EXPECT_EQ(world_.LogLines(), c.log);
    EXPECT_EQ(Calls(), c.calls);
}

const std::string kA = std::string("?") + kAdmin;
const std::string kRefused = "?s_username=carl&s_password=carlpw";

INSTANTIATE_TEST_SUITE_P(
    Paths, RemotePathTest,
    testing::Values(
        PathCase{"/query" + kRefused,
                 Reply("unauthenticated,  you are not admin"),
                 {"Unsuccessful remote Query by 127.0.0.1"}},
        PathCase{"/listlayouts" + kRefused,
                 Reply("unauthenticated"),
                 {"Unsuccessful remote layout query by 127.0.0.1"}},
        PathCase{"/listlogs" + kRefused,
                 Reply("unauthenticated"),
                 {"Unsuccessful remote request for Log File by 127.0.0.1"}},
        PathCase{"/getlog" + kRefused,
                 Reply("unauthenticated"),
                 {"Unsuccessful remote request for Log File by 127.0.0.1"}},
        PathCase{"/lock" + kA + "&s_layout=/x/none.slf",
                 Reply("locked", {"locked"}),
                 {"Locked by remote address 127.0.0.1", "Layout requested : /x/none.slf"},
                 {"StartLock"}},
        PathCase{"/lock" + kRefused,
                 Reply("cant lock, not authenticated"),
                 {"Unsuccessful remote lock by remote address 127.0.0.1"}},
        PathCase{"/changelayout" + kRefused + "&s_layout=a.slf",
                 Reply("cant lock, not authenticated", {"cant lock, not authenticated"}),
                 {"Unsuccessful/unauthenticated remote attempt to change layout by address "
                  "127.0.0.1",
                  "layout requested : a.slf"}},
        PathCase{"/viewupdatescript" + kA,
                 Reply("The file /prog/update.sh does not exist.",
                       {"The file /prog/update.sh does not exist."}),
                 {"Update script viewed by 127.0.0.1"}},
        PathCase{
            "/viewupdatescript" + kRefused,
            Reply("cant view script, not authenticated", {"cant view script, not authenticated"}),
            {"Unsuccessful/unauthenticated remote attempt to view update script file by "
             "address 127.0.0.1"}},
        PathCase{"/runupdatescript" + kA,
                 Reply("OK"),
                 {"Update Script run by remote address 127.0.0.1"}},
        PathCase{"/runupdatescript" + kRefused,
                 Reply("cant run update script, not authenticated",
                       {"cant run update script, not authenticated"}),
                 {"Unsuccessful/unauthenticated remote attempt to run update script by address "
                  "127.0.0.1"}},
        PathCase{"/update" + kA,
                 Reply("Update initiated", {"Update initiated"}),
                 {"Update by remote address 127.0.0.1"}},
        PathCase{"/update" + kRefused,
                 Reply("cant update, not authenticated"),
                 {"Unsuccessful update attempt by remote address 127.0.0.1"}},
        PathCase{"/halt" + kA, Reply("OK, halting.", {"OK, halting."}), {}, {"Terminate"}},
        PathCase{"/halt" + kRefused,
                 Reply("cant halt, not authenticated", {"cant halt, not authenticated"}),
                 {"Unsuccessful halt attempt by address 127.0.0.1"}},
        PathCase{"/getuserlist" + kRefused,
                 Reply("cant fetch user list, not authenticated",
                       {"cant fetch user list, not authenticated"}),
                 {"Unsuccessful user list fetch by address 127.0.0.1"}},
        PathCase{"/unlock?s_username=alice&s_password=alicepw",
                 Reply("Shutting down...", {"Shutting down...", "unlocking"}),
                 {"Shutdown by remote address 127.0.0.1"}},
        PathCase{"/unlock?s_username=&s_password=",
                 Reply("cant Shutdown, not authenticated", {"cant Shutdown, not authenticated"}),
                 {"Unsuccessful Shutdown attempt by remote address 127.0.0.1"}},
        PathCase{"/standby" + kA,
                 Reply("Standing by..", {"Standing by.."}),
                 {"Standby by remote address 127.0.0.1", "System going into Stand By"},
                 {"StandBy"}},
        PathCase{"/standby" + kRefused,
                 Reply("Cant Standby, not authenticated", {"Cant Standby, not authenticated"}),
                 {"Unsuccessful Standby attempt by remote address 127.0.0.1"}},
        PathCase{"/hibernate" + kA,
                 Reply("Hibernating...", {"Hibernating..."}),
                 {"Hibernbate by remote address 127.0.0.1", "System going into Hibernate"},
                 {"Hibernate"}},
        PathCase{
            "/hibernate" + kRefused,
            Reply("Cant Hibernbate, not authenticated", {"Cant Hibernbate, not authenticated"}),
            {"Unsuccessful Hibernbate attempt by remote address 127.0.0.1"}},
        PathCase{"/remotemessage" + kA + "&mfrom=Bob&msubject=Hi&mbody=See /halt now",
                 Reply("leaving msg...", {"leaving msg..."}),
                 {"Message from remote address 127.0.0.1"},
                 {"ShowBalloon Message from Bob|RE: Hi\r\n\r\nSee /halt now"}},
        PathCase{"/remotemessage" + kRefused,
                 Reply("Cant message, not authenticated", {"Cant message, not authenticated"}),
                 {"Unsuccessful message attempt by remote address 127.0.0.1"}},
        PathCase{"/shutdowncomp" + kA + "&params=flags=-s -t 30",
                 Reply("Shutting down computer", {"Shutting down computer"}),
                 {"Computer shutdown by remote address 127.0.0.1"},
                 {"ShutdownComputer 1", "Terminate"}},
        PathCase{"/shutdowncomp" + kA + "&params=flags=-f",
                 Reply("Remote shutdown failed because command could not execute.",
                       {"Remote shutdown failed because command could not execute."}),
                 {"Computer shutdown by remote address 127.0.0.1",
                  "Remote shutdown failed because command could not execute."}},
        PathCase{"/shutdowncomp" + kRefused,
                 Reply("cant shut down computer, not authenticated",
                       {"cant shut down computer, not authenticated"}),
                 {"Unsuccessful computer shutdown attempt by remote address 127.0.0.1"}},
        PathCase{"/readlog" + kA, Reply("OK")}, PathCase{"/lock/halt" + kA, Reply("OK")},
        PathCase{
            "/lock?s_username=nobody&s_password=x",
            Reply("cant lock, not authenticated"),
            {"Username nobody not found!", "Unsuccessful remote lock by remote address 127.0.0.1"}},
        PathCase{"/nothing?s_username=nobody&s_password=x",
                 Reply("user not found"),
                 {"Username nobody not found!"}},
        PathCase{"/nothing?s_username=alice&s_password=bad",
                 Reply("incorrect password"),
                 {"Authentication failed: User alice had a bad password"}},
        PathCase{"/nothing" + kRefused, Reply("no access")}));

TEST_F(RemoteCommandsTest, RejectedAddressGetsTheBareStatusLine) {
    EXPECT_EQ(Get("/halt" + kA, "192.168.1.20"), Reply("OK"));
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(lastRemoteUser_.Get(), "");
    world_.Change([](TOstrelSettings& s) {
        s.allowRemoteUnlocking = true;
        s.AllowedRemoteIPs = "192.168.1.*\r\n192.168.0.22*";
    });
    EXPECT_EQ(Get("/halt" + kA, "192.168.1.20"), Reply("OK, halting.", {"OK, halting."}));
    EXPECT_EQ(Get("/halt" + kA, "10.0.0.1"), Reply("OK, halting.", {"OK, halting."}));
}

TEST_F(RemoteCommandsTest, QueryReportsTheStatus) {
    world_.clock.Advance(7'200'500);
    workstation_.lockStartTick = 3'600'000;
    workstation_.lockScreenUp = true;
    workstation_.idleMs = 61'999;
    const std::string report =
        "<computername>desk7</computername>\r<internalip>10.0.0.5</internalip>\r"
        "<mac>00-11-22-33-44-55</mac>\r<group>WORKGROUP</group>\r<status>Locked</status>\r"
        "<idletime>61</idletime>\r<uptime>7200</uptime>\r<currentuser>ann</currentuser>\r"
        "<ostrelversion>3.0.0.0</ostrelversion>\r<comments>comment</comments>\r"
        "<masterip>10.0.0.1</masterip>\r<layout>midnight.slf</layout>\r<rdp>0</rdp>\r"
        "<locktime>3600</locktime>";
    EXPECT_EQ(Get("/query" + kA), Reply("<computername>desk7</computername>", {report}));
    world_.settings.SetShutdownInProgress(true);
    EXPECT_NE(Get("/query" + kA).find("<status>Unlocking</status>"), std::string::npos);
    EXPECT_EQ(Get("/query" + kA, "127.0.0.1", "HEAD"), Reply("<computername>desk7</computername>"));
}

TEST_F(RemoteCommandsTest, NeverLockedReportsLockTimeAsUptime) {
    world_.clock.Advance(90'000);
    EXPECT_NE(Get("/query" + kA).find("<uptime>90</uptime>\r"), std::string::npos);
    EXPECT_NE(Get("/query" + kA).find("<locktime>90</locktime>"), std::string::npos);
}

TEST_F(RemoteCommandsTest, UnlockWhileLocked) {
    workstation_.lockScreenUp = true;
    Get("/unlock?s_username=alice&s_password=alicepw");
    Get("/unlock?s_username=alice&s_password=wrong");
    EXPECT_EQ(Calls(),
              (std::vector<std::string>{"PostLockCommand shutdown", "PostLockCommand badpass"}));
    EXPECT_EQ(lastRemoteUser_.Get(), "alice");
}

TEST_F(RemoteCommandsTest, OnlyAdminUnlocksWhenTheMasterIsThisComputer) {
    world_.Change([](TOstrelSettings& s) {
        s.OnlyAdminCanUnlockMaster = true;
        s.MasterIP = "10.0.0.5";
    });
    EXPECT_EQ(Get("/unlock?s_username=alice&s_password=alicepw"),
              Reply("cant Shutdown, not authenticated", {"cant Shutdown, not authenticated"}));
    world_.Change([](TOstrelSettings& s) { s.MasterIP = "10.0.0.1"; });
    EXPECT_EQ(Get("/unlock?s_username=alice&s_password=alicepw"),
              Reply("Shutting down...", {"Shutting down...", "unlocking"}));
}

TEST_F(RemoteCommandsTest, MultiUserIgnoresTheMasterPassword) {
    world_.Change([](TOstrelSettings& s) { s.multiUser = true; });
    EXPECT_EQ(Get("/update?s_username=alice&s_password=secret"),
              Reply("cant update, not authenticated"));
}

TEST_F(RemoteCommandsTest, RemoteMessageWhileLockedGoesToTheLockForm) {
    workstation_.lockScreenUp = true;
    Get("/remotemessage" + kA + "&mfrom=Bob&msubject=Hi&mbody=text&memail=b@x");
    EXPECT_EQ(Calls(), std::vector<std::string>{"PostLockCommand remotemessage"});
    EXPECT_EQ(pendingMessage_.Take(), (RemoteMessageTexts{"Bob", "Hi", "text", "b@x"}));
}

TEST_F(RemoteCommandsTest, LockTakesAnExistingLayout) {
    world_.files.AddDirectories("/prog/layouts/slf");
    world_.files.SetFile("/prog/layouts/slf/blue.slf", "");
    Get("/lock" + kA + "&s_layout=%2Fprog%2Flayouts%2Fslf%2Fblue.slf");
    EXPECT_EQ(world_.settings.Get()->LayoutFile, "/prog/layouts/slf/blue.slf");
    Get("/changelayout" + kA + "&s_layout=/prog/missing.slf");
    EXPECT_EQ(world_.settings.Get()->LayoutFile, "/prog/layouts/slf/blue.slf");
}

TEST_F(RemoteCommandsTest, LayoutList) {
    world_.files.AddDirectories("/prog/layouts/slf");
    world_.files.AddDirectories("/prog/layouts/html/sub.htm");
    for (const char* name : {"b.SLF", "a.slf", "notes.txt"}) {
        world_.files.SetFile(std::string("/prog/layouts/slf/") + name, "");
    }
    for (const char* name : {"page.htm", "page.html", "page.htmlx", "x.php"}) {
        world_.files.SetFile(std::string("/prog/layouts/html/") + name, "");
    }
    folders_.folders["/prog/layouts/slf"] = {"notes.txt", "b.SLF", "a.slf"};
    folders_.folders["/prog/layouts/html"] = {"sub.htm", "page.htmlx", "page.html", "page.htm",
                                              "x.php"};
    EXPECT_EQ(commands_.LayoutList(),
              "<layoutlist>/prog/layouts/slf/a.slf\r\n/prog/layouts/slf/b.SLF\r\n"
              "/prog/layouts/html/page.htm\r\n/prog/layouts/html/page.html\r\n"
              "/prog/layouts/html/x.php\r\n</layoutlist>");
    folders_.folders.erase("/prog/layouts/slf");
    folders_.folders["/prog/layouts/html"] = {};
    EXPECT_EQ(commands_.LayoutList(),
              "<layoutlist>/prog/layouts/html/\r\n/prog/layouts/html/\r\n</layoutlist>");
    EXPECT_EQ(Calls(),
              std::vector<std::string>{"ShowWarning Error occurred by trying to change directory"});
}

TEST_F(RemoteCommandsTest, LogsOfAMonthAndOfADay) {
    world_.files.AddDirectories("/data/Logs");
    world_.files.SetFile("/data/Logs/Feb-02-08.txt", "[1:00:00 AM] one\nsecond\r\nthird");
    world_.files.SetFile("/data/Logs/Feb-29-08.txt", "");
    world_.files.SetFile("/data/Logs/Mar-01-08.txt", "");
    EXPECT_EQ(commands_.LogMonthSummary("2/15/2008"), "<loglist>2,29,</loglist>");
    EXPECT_EQ(commands_.LogMonthSummary("4/1/2008"), "<loglist></loglist>");
    EXPECT_EQ(commands_.LogFileText("2/2/2008"), "[1:00:00 AM] one\r\nsecond\r\nthird\r\n");
    EXPECT_EQ(commands_.LogFileText("2/3/2008"), "No log file for 2/3/2008");
    EXPECT_EQ(Get("/listlogs" + kA + "&date=4/1/2008"),
              Reply("<loglist></loglist>", {"<loglist></loglist>\r\n"}));
}

TEST_F(RemoteCommandsTest, ListLogsLineMasksThePassword) {
    Get("/listlogs?date=4/1/2008&s_username=&S_PASSWORD=secret&x=1");
    EXPECT_EQ(world_.LogLines().front(),
              "Listlogs requested. Date = 4/1/2008. HTTP =GET "
              "/listlogs?date=4/1/2008&s_username=&S_PASSWORD=*******&x=1 HTTP/1.1");
    EXPECT_EQ(MaskPassword("GET /x?s_password=a b HTTP/1.0"), "GET /x?s_password=******* HTTP/1.0");
    EXPECT_EQ(MaskPassword("GET /x?s_password=ab"), "GET /x?s_password=*******");
}

TEST_F(RemoteCommandsTest, HandlerErrorsBecomeStatus500) {
    EXPECT_EQ(Get("/getlog" + kA + "&date=someday"),
              std::string("HTTP/1.1 500 'someday' is not a valid date\r\n") + kHeaders +
                  "'someday' is not a valid date");
    world_.files.DeleteFile("/prog/userlist.dat");
    EXPECT_EQ(Get("/getuserlist" + kA),
              std::string("HTTP/1.1 500 Cannot open file \"/prog/userlist.dat\"\r\n") + kHeaders +
                  "Cannot open file \"/prog/userlist.dat\"");
}

TEST_F(RemoteCommandsTest, UserListAndUpdateScript) {
    world_.files.SetFile("/prog/userlist.dat", "[ann]\r\n");
    EXPECT_EQ(Get("/getuserlist" + kA),
              Reply("<userlist>[ann]", {"<userlist>[ann]\r\n</userlist>"}));
    world_.files.SetFile("/prog/update.sh", "echo hi\n");
    EXPECT_EQ(Get("/viewupdatescript" + kA), Reply("echo hi", {"echo hi\n"}));
    EXPECT_EQ(Get("/runupdatescript" + kA + "&params=flags=hidden"), Reply("Script was run."));
    Get("/runupdatescript" + kA + "&params=hidden");
    workstation_.scriptStarts = false;
    EXPECT_EQ(Get("/runupdatescript" + kA), Reply("OK"));
    EXPECT_EQ(Calls(), (std::vector<std::string>{"RunUpdateScript /prog/update.sh hidden",
                                                 "RunUpdateScript /prog/update.sh shown",
                                                 "RunUpdateScript /prog/update.sh shown"}));
}

TEST(RemoteCommandRulesTest, CutToFlags) {
    const std::pair<std::string, std::string> cases[] = {
        {"flags=hidden", "hidden"},    {"hidden", "n"}, {"abc", ""},
        {"xflags=-s -t 5", "-s -t 5"}, {"", ""},
    };
    for (const auto& [params, cut] : cases) EXPECT_EQ(CutToFlags(params), cut) << params;
}

TEST(RemoteCommandRulesTest, MaskMatch) {
    EXPECT_TRUE(MaskMatch("a.htm", "*.htm?"));
    EXPECT_TRUE(MaskMatch("A.HTML", "*.htm?"));
    EXPECT_FALSE(MaskMatch("a.htmlx", "*.htm?"));
    EXPECT_FALSE(MaskMatch("a.slf.bak", "*.slf"));
}

TEST(RemoteCommandRulesTest, ShutdownFlags) {
    struct Case {
        std::string flags;
        ShutdownRequest expected;
    };
    const Case cases[] = {
        {"-s -f -t 30", {ShutdownAction::kPowerOff, true, 30, ""}},
        {"/R /T 5 /C \"back soon, folks\"",
         {ShutdownAction::kReboot, false, 5, "back soon, folks"}},
        {"-l", {ShutdownAction::kLogOff, false, 0, ""}},
        {"-t x -s", {ShutdownAction::kPowerOff, false, 0, ""}},
        {"-t -5", {ShutdownAction::kNone, false, 0, ""}},
        {"-c \"open", {ShutdownAction::kNone, false, 0, "open"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseShutdownFlags(c.flags), c.expected) << c.flags;
}

}  // namespace
}  // namespace ostrel
