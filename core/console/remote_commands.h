#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_list.h"
#include "console/command_url.h"

namespace ostrel {

// One GET to a workstation with the console log lines around it.
struct CommandRequest {
    std::string command;  // the path, without "/"
    std::string params;
    std::vector<UrlParam> extra;
    std::vector<std::string> preamble;  // logged before the request line
    std::string getPrefix = "Get ";     // the request line is this + SafeUrl
    std::string replyPrefix;            // the reply body is logged after this
    // Logged when the connection could not be made in time; empty: the error's own text.
    std::string timeoutLine;
    // Logged before the body received so far when the request failed otherwise; empty: the
    // error's own text.
    std::string errorPrefix;
};

CommandRequest QueryRequest();
CommandRequest LockRequest();
CommandRequest UnlockRequest();
// "Change and lock now" and "Change to selected" for one layout path.
CommandRequest LockWithLayoutRequest(std::string_view layoutPath);
CommandRequest ChangeLayoutRequest(std::string_view layoutPath);
CommandRequest RemoteMessageRequest(std::string_view from, std::string_view subject,
                                    std::string_view message);
CommandRequest StandbyRequest();
CommandRequest HibernateRequest();
CommandRequest HaltRequest();
CommandRequest ViewUpdateScriptRequest();
CommandRequest RunUpdateScriptRequest(bool hidden);
CommandRequest ListLayoutsRequest();
// `date` in the short date form the workstation reads.
CommandRequest ListLogsRequest(std::string_view date);
CommandRequest GetLogRequest(std::string_view date);
CommandRequest GetUserListRequest(std::string_view address);

// The request line a log shows: the prefix and the URL with the password masked.
std::string RequestLogLine(const CommandRequest& request, std::string_view address,
                           const ConsoleCredentials& credentials);

// A workstation's HTTP answer.
struct CommandReply {
    int status = 0;
    std::string reason;
    std::string body;
};

// Status line, headers and body of a complete answer; nothing when it does not begin with an
// HTTP status line.
std::optional<CommandReply> ParseCommandReply(std::string_view raw);

// The texts of the body's "<HTML><BODY><B>code text</B></BODY></HTML>" lines without the
// wrapping and the code, joined by CR LF; the reason phrase when the body is empty.
std::string ReplyText(const CommandReply& reply);

// Whether the workstation carried the command out: its reply holds the command's success text.
// A workstation that refuses answers with a refusal text, or with a bare status line.
bool CommandDone(std::string_view command, const CommandReply& reply);

// The layout paths of a "listlayouts" reply: lines that contain a "." and no "~".
std::vector<std::string> LayoutListLines(std::string_view body);
// The file-name part of a path ("\" and "/" both separate folders).
std::string PathFileName(std::string_view path);
// The accounts of a "getuserlist" reply in file order, each with its level by name.
std::vector<UserListRow> UserListRows(std::string_view body);
// The days of a "listlogs" reply, in reply order.
std::vector<int> LogListDays(std::string_view body);

}  // namespace ostrel
