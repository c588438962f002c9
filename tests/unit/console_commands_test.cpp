#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "common/text_helpers.h"
#include "console/address_check.h"
#include "console/console_credentials.h"
#include "console/remote_commands.h"
#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

using testing::ElementsAre;

const ConsoleCredentials kAdmin{"administrator", "p&ss+w%rd 1"};

// The workstation's reading of a query: split at "&", "+" to a blank, %XX to its byte (a zero
// byte or a sequence that is no hexadecimal is dropped), names without letter case.
std::string DecodedParam(std::string_view url, std::string_view name) {
    const std::string query = TextBetween(url, "?", "");
    for (const std::string& piece : SplitText(query, "&")) {
        const std::size_t equals = piece.find('=');
        const std::string key = piece.substr(0, equals);
        const auto sameLetter = [](char a, char b) { return tolower(a) == tolower(b); };
        if (!std::equal(key.begin(), key.end(), name.begin(), name.end(), sameLetter)) continue;
        std::string value;
        const std::string raw = equals == std::string::npos ? "" : piece.substr(equals + 1);
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '+') {
                value += ' ';
            } else if (raw[i] == '%') {
                const std::string hex = raw.substr(i + 1, 2);
                const bool valid = hex.size() == 2 && isxdigit(hex[0]) && isxdigit(hex[1]);
                const int byte = valid ? std::stoi(hex, nullptr, 16) : 0;
                if (byte != 0) value += static_cast<char>(byte);
                i += 2;
            } else {
                value += raw[i];
            }
        }
        return value;
    }
    return "";
}

TEST(AddressCheck, FollowsTheScanFieldRules) {
    const std::pair<const char*, bool> cases[] = {
        {"192.168.1.1", true}, {"10.0.00.1", true},   {"255.255.255.255", true},
        {"1.0.0.000", true},   {"1.2.3.0000", true},  {"192.168.1.300", false},
        {"01.2.3.4", false},   {"0.1.2.3", false},    {"1.02.3.4", false},
        {"1.2.3.04", false},   {"1.2.3.0256", false}, {"1.2.3", false},
        {"1.2.3.4.5", false},  {"1..3.4", false},     {"1.2.3.", false},
        {"1.2.3.4 ", false},   {"a.b.c.d", false},    {"", false},
        {"1.2.1000.4", false}, {"-1.2.3.4", false},   {"1.2.3.1000", false},
    };
    for (const auto& [text, valid] : cases) EXPECT_EQ(IsValidAddress(text), valid) << text;
    EXPECT_EQ(AddressToNumber("10.0.00.1"), 0x0A000001u);
    EXPECT_EQ(NumberToAddress(0xC0A801FFu), "192.168.1.255");
}

TEST(CommandUrl, BuildsTheRequestAndMasksThePasswordForLogs) {
    EXPECT_EQ(CommandUrl("10.0.0.5", "lock", {"admin", "secret"}, ""),
              "http://10.0.0.5:8777/lock?s_username=admin&s_password=secret&params=");
    EXPECT_EQ(SafeUrl("10.0.0.5", "runupdatescript", kAdmin, "flags=hidden"),
              "http://10.0.0.5:8777/runupdatescript?s_username=administrator"
              "&s_password=*******&params=flags%3Dhidden");
}

TEST(CommandUrl, ValuesArriveUnchangedAtTheWorkstationsDecoder) {
    const std::string awkward[] = {
        "line one\r\nline two\nthree",
        "a&b=c+d%41%zz 100%",
        "/halt /query?x ~_.-",
        "caf\xC3\xA9 \x01\x7F\xFF",
        "",
    };
    for (const std::string& text : awkward) {
        const CommandRequest message = RemoteMessageRequest(text, "re: " + text, text + "!");
        const std::string url =
            CommandUrl("10.0.0.5", message.command, {text, text}, message.params, message.extra);
        // Nothing outside the unreserved characters travels raw: no path test can match inside
        // a value and no line break ends the request line.
        const std::string query = TextBetween(url, "?", "");
        EXPECT_EQ(query.find_first_of(" /\r\n+?"), std::string::npos) << url;
        EXPECT_EQ(DecodedParam(url, "s_username"), text);
        EXPECT_EQ(DecodedParam(url, "S_PASSWORD"), text);
        EXPECT_EQ(DecodedParam(url, "params"), "");
        EXPECT_EQ(DecodedParam(url, "mfrom"), text);
        EXPECT_EQ(DecodedParam(url, "msubject"), "re: " + text);
        EXPECT_EQ(DecodedParam(url, "mbody"), text + "!");
    }
}

TEST(CommandUrl, EachCommandCarriesItsParameters) {
    struct Case {
        CommandRequest request;
        const char* url;
    };
    const std::string base = "http://h:8777/";
    const std::string credentials = "?s_username=administrator&s_password=*******&params=";
    const Case cases[] = {
        {LockRequest(), "lock"},
        {UnlockRequest(), "unlock"},
        {StandbyRequest(), "standby"},
        {HibernateRequest(), "hibernate"},
        {HaltRequest(), "halt"},
        {ViewUpdateScriptRequest(), "viewupdatescript"},
        {ListLayoutsRequest(), "listlayouts"},
        {RunUpdateScriptRequest(true), "runupdatescript|flags%3Dhidden"},
        {RunUpdateScriptRequest(false), "runupdatescript|flags%3D"},
        {LockWithLayoutRequest("/opt/l a/x.slf"), "lock|&s_layout=%2Fopt%2Fl%20a%2Fx.slf"},
        {ChangeLayoutRequest("x.slf"), "changelayout|&s_layout=x.slf"},
        {ListLogsRequest("12/1/2026"), "listlogs|&date=12%2F1%2F2026"},
        {GetLogRequest("12/9/2026"), "getlog|&date=12%2F9%2F2026"},
        {GetUserListRequest("h"), "getuserlist"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> parts = SplitText(c.url, "|");
        const std::string expected =
            base + parts[0] + credentials + (parts.size() > 1 ? parts[1] : "");
        EXPECT_EQ(SafeUrl("h", c.request.command, kAdmin, c.request.params, c.request.extra),
                  expected);
        const std::string line = RequestLogLine(c.request, "h", kAdmin);
        EXPECT_EQ(line.find("p%26ss"), std::string::npos) << line;
        EXPECT_EQ(line.find(kAdmin.password), std::string::npos) << line;
    }
    EXPECT_EQ(RequestLogLine(QueryRequest(), "h", kAdmin), "GET [SafeURL]");
    EXPECT_EQ(RequestLogLine(ListLayoutsRequest(), "h", kAdmin).substr(0, 4), "GET ");
    EXPECT_EQ(RequestLogLine(LockRequest(), "h", kAdmin).substr(0, 4), "Get ");
    EXPECT_THAT(GetUserListRequest("10.0.0.5").preamble,
                ElementsAre("Requesting user list from 10.0.0.5..."));
}

TEST(CommandReply, ParsesTheStatusLineAndUnwrapsTheBody) {
    const auto unlock = ParseCommandReply(
        "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
        "<HTML><BODY><B>200 Shutting down...</B></BODY></HTML>\r\n"
        "<HTML><BODY><B>200 unlocking</B></BODY></HTML>\r\n");
    ASSERT_TRUE(unlock);
    EXPECT_EQ(unlock->status, 200);
    EXPECT_EQ(unlock->reason, "OK");
    EXPECT_EQ(ReplyText(*unlock), "Shutting down...\r\nunlocking");

    const auto bare = ParseCommandReply("HTTP/1.1 200 cant lock, not authenticated\r\n\r\n");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->body, "");
    EXPECT_EQ(ReplyText(*bare), "cant lock, not authenticated");

    const auto log = ParseCommandReply(
        "HTTP/1.1 200 [1:00:00 AM] a\r\n\r\n<HTML><BODY><B>200 [1:00:00 AM] a\r\n[b]\r\n"
        "</B></BODY></HTML>\r\n");
    ASSERT_TRUE(log);
    EXPECT_EQ(ReplyText(*log), "[1:00:00 AM] a\r\n[b]\r\n");

    EXPECT_FALSE(ParseCommandReply(""));
    EXPECT_FALSE(ParseCommandReply("garbage\r\n\r\n"));
    EXPECT_FALSE(ParseCommandReply("HTTP/1.1 abc OK\r\n\r\n"));
}

TEST(CommandReply, DoneOnlyWithTheCommandsSuccessText) {
    struct Case {
        const char* command;
        const char* raw;
        bool done;
    };
    const std::string ok = "HTTP/1.1 200 OK\r\n\r\n";
    const auto wrapped = [](const std::string& text) {
        return "HTTP/1.1 200 " + text + "\r\n\r\n<HTML><BODY><B>200 " + text +
               "</B></BODY></HTML>\r\n";
    };
    const std::string raws[] = {
        wrapped("locked"),
        "HTTP/1.1 200 cant lock, not authenticated\r\n\r\n",
        "HTTP/1.1 200 OK\r\n\r\n",
        wrapped("cant Shutdown, not authenticated"),
        wrapped("<computername>pc</computername>"),
        "HTTP/1.1 200 Script was run.\r\n\r\n",
        wrapped("No log file for 1/1/2026"),
        "HTTP/1.1 200 unauthenticated\r\n\r\n",
        wrapped("cant view script, not authenticated"),
        "HTTP/1.1 500 Internal Server Error\r\n\r\nbad date",
        wrapped("<loglist></loglist>\r\n"),
    };
    const Case cases[] = {
        {"lock", raws[0].c_str(), true},
        {"lock", raws[1].c_str(), false},
        {"lock", raws[2].c_str(), false},  // address not allowed: a bare status line
        {"unlock", raws[3].c_str(), false},
        {"query", raws[4].c_str(), true},
        {"query", raws[2].c_str(), false},
        {"runupdatescript", raws[5].c_str(), true},
        {"runupdatescript", raws[2].c_str(), false},
        {"getlog", raws[6].c_str(), true},
        {"getlog", raws[7].c_str(), false},
        {"viewupdatescript", raws[8].c_str(), false},
        {"getlog", raws[9].c_str(), false},
        {"listlogs", raws[10].c_str(), true},
        {"nosuchcommand", raws[0].c_str(), false},
    };
    for (const Case& c : cases) {
        const auto reply = ParseCommandReply(c.raw);
        ASSERT_TRUE(reply) << c.raw;
        EXPECT_EQ(CommandDone(c.command, *reply), c.done) << c.command << ": " << c.raw;
    }
}

TEST(CommandReply, LayoutListAndLogDays) {
    const std::string body =
        "<HTML><BODY><B>200 <layoutlist>/p/layouts/slf/a.slf\r\n/p/layouts/slf/~b.slf\r\n"
        "/p/layouts/html/\r\nC:\\l\\c.htm\r\n</layoutlist></B></BODY></HTML>\r\n";
    EXPECT_THAT(LayoutListLines(body), ElementsAre("/p/layouts/slf/a.slf", "C:\\l\\c.htm"));
    EXPECT_EQ(PathFileName("C:\\l\\c.htm"), "c.htm");
    EXPECT_EQ(PathFileName("/p/a.slf"), "a.slf");
    EXPECT_THAT(LogListDays("<loglist>2,15,</loglist>"), ElementsAre(2, 15));
    EXPECT_THAT(LogListDays("<loglist></loglist>"), ElementsAre());
}

TEST(ConsoleCredentials, UnlockOrAdminAccountsWithTheRightPassword) {
    FakeFileSystem fs;
    fs.AddDirectories("/opt/manager");
    UserList users(fs, "/opt/manager/userlist.dat");
    ASSERT_TRUE(users.AddAccount("administrator", "secret", kPermissionAdmin));
    ASSERT_TRUE(users.AddAccount("helper", "help", kPermissionUnlock));
    ASSERT_TRUE(users.AddAccount("guest", "guest", kPermissionNone));
    struct Case {
        const char* user;
        const char* password;
        bool accepted;
    };
    const Case cases[] = {
        {"administrator", "secret", true},
        {"ADMINISTRATOR", "secret", true},
        {"helper", "help", true},
        {"guest", "guest", false},
        {"administrator", "Secret", false},
        {"nobody", "secret", false},
        {"", "secret", false},
        {"administrator", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckConsoleCredentials(users, c.user, c.password), c.accepted)
            << c.user << "/" << c.password;
    }
}

}  // namespace
}  // namespace ostrel
