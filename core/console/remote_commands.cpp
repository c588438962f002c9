#include "console/remote_commands.h"

#include <array>
#include <utility>

#include "common/ini_document.h"
#include "common/number_helpers.h"
#include "common/permissions.h"
#include "common/text_helpers.h"
#include "console/computer_list.h"

namespace ostrel {

namespace {

constexpr std::string_view kBodyStart = "<HTML><BODY><B>";
constexpr std::string_view kBodyEnd = "</B></BODY></HTML>";

CommandRequest Plain(std::string command, std::string params = {}) {
    CommandRequest request;
    request.command = std::move(command);
    request.params = std::move(params);
    return request;
}

CommandRequest LayoutRequest(std::string command, std::string_view layoutPath) {
    CommandRequest request = Plain(std::move(command));
    request.extra = {{"s_layout", std::string(layoutPath)}};
    request.preamble = {"ChangeAndLockNow ..."};
    request.getPrefix = "GET ";
    request.timeoutLine = "Connection timed out.";
    request.errorPrefix = "Exception in tbChangeAndLockNow.Click. Host response: ";
    return request;
}

// The text each command's reply holds when it was carried out. An empty text: any reply body
// that is no refusal.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kDoneTexts = {{
    {"query", "<comput"},
    {"lock", "locked"},
    {"changelayout", "locked"},
    {"unlock", "unlocking"},
    {"remotemessage", "leaving msg..."},
    {"standby", "Standing by.."},
    {"hibernate", "Hibernating..."},
    {"halt", "OK, halting."},
    {"listlayouts", "<layoutlist>"},
    {"listlogs", "<loglist>"},
    {"getuserlist", "<userlist>"},
    {"runupdatescript", "Script was run."},
    {"getlog", ""},
    {"viewupdatescript", ""},
}};

bool IsRefusalText(std::string_view text) {
    return text.empty() || text.starts_with("cant ") || text.starts_with("Cant ") ||
           text.starts_with("unauthenticated");
}

}  // namespace

CommandRequest QueryRequest() {
    CommandRequest request = Plain("query");
    // The worker logs this literal text, never the URL.
    request.getPrefix = "GET [SafeURL]";
    return request;
}
CommandRequest LockRequest() {
    return Plain("lock");
}
CommandRequest UnlockRequest() {
    return Plain("unlock");
}
CommandRequest LockWithLayoutRequest(std::string_view layoutPath) {
    return LayoutRequest("lock", layoutPath);
}
CommandRequest ChangeLayoutRequest(std::string_view layoutPath) {
    return LayoutRequest("changelayout", layoutPath);
}

CommandRequest RemoteMessageRequest(std::string_view from, std::string_view subject,
                                    std::string_view message) {
    CommandRequest request = Plain("remotemessage");
    request.extra = {{"mfrom", std::string(from)},
                     {"msubject", std::string(subject)},
                     {"mbody", std::string(message)}};
    return request;
}

CommandRequest StandbyRequest() {
    return Plain("standby");
}
CommandRequest HibernateRequest() {
    return Plain("hibernate");
}
CommandRequest HaltRequest() {
    return Plain("halt");
}
CommandRequest ViewUpdateScriptRequest() {
    return Plain("viewupdatescript");
}
CommandRequest RunUpdateScriptRequest(bool hidden) {
    return Plain("runupdatescript", hidden ? "flags=hidden" : "flags=");
}

CommandRequest ListLayoutsRequest() {
    CommandRequest request = Plain("listlayouts");
    request.preamble = {"Querying layouts..."};
    request.getPrefix = "GET ";
    request.timeoutLine = "Connection timed out.";
    return request;
}

CommandRequest ListLogsRequest(std::string_view date) {
    CommandRequest request = Plain("listlogs");
    request.extra = {{"date", std::string(date)}};
    request.preamble = {"!!!!!!!!!!!ListLogs TB !!!!!tbLoadRemoteLogsClick!!!!!!!!!!!!!!!"};
    request.replyPrefix = "RESPONSE: ";
    return request;
}

CommandRequest GetLogRequest(std::string_view date) {
    CommandRequest request = Plain("getlog");
    request.extra = {{"date", std::string(date)}};
    request.preamble = {"Fetching log file... (calendar click)"};
    request.getPrefix = "GET ";
    return request;
}

CommandRequest GetUserListRequest(std::string_view address) {
    CommandRequest request = Plain("getuserlist");
    request.preamble = {"Requesting user list from " + std::string(address) + "..."};
    request.getPrefix = "GET ";
    request.timeoutLine = "Connection timed out requesting user list.";
    request.errorPrefix = "Exception getting user list. Response from host was: ";
    return request;
}

std::string RequestLogLine(const CommandRequest& request, std::string_view address,
                           const ConsoleCredentials& credentials) {
    if (request.command == "query") return request.getPrefix;
    return request.getPrefix +
           SafeUrl(address, request.command, credentials, request.params, request.extra);
}

std::optional<CommandReply> ParseCommandReply(std::string_view raw) {
    if (!raw.starts_with("HTTP/")) return std::nullopt;
    const std::size_t lineEnd = raw.find('\n');
    std::string_view statusLine = raw.substr(0, lineEnd);
    if (statusLine.ends_with('\r')) statusLine.remove_suffix(1);
    const std::size_t codeStart = statusLine.find(' ');
    if (codeStart == std::string_view::npos) return std::nullopt;
    const std::string_view rest = statusLine.substr(codeStart + 1);
    const std::size_t codeEnd = rest.find(' ');
    const auto code = ParseWholeNumber(rest.substr(0, codeEnd));
    if (!code) return std::nullopt;

    CommandReply reply;
    reply.status = static_cast<int>(*code);
    if (codeEnd != std::string_view::npos) reply.reason = std::string(rest.substr(codeEnd + 1));
    std::size_t bodyStart = raw.find("\r\n\r\n");
    std::size_t separator = 4;
    if (bodyStart == std::string_view::npos) {
        bodyStart = raw.find("\n\n");
        separator = 2;
    }
    if (bodyStart != std::string_view::npos) reply.body = raw.substr(bodyStart + separator);
    return reply;
}

std::string ReplyText(const CommandReply& reply) {
    if (reply.body.empty()) return reply.reason;
    std::string text;
    std::string_view rest = reply.body;
    for (std::size_t at = rest.find(kBodyStart); at != std::string_view::npos;
         at = rest.find(kBodyStart)) {
        std::string_view line = rest.substr(at + kBodyStart.size());
        const std::size_t end = line.find(kBodyEnd);
        rest = end == std::string_view::npos ? std::string_view() : line.substr(end);
        line = line.substr(0, end);
        // The status code and its blank.
        const std::size_t blank = line.find(' ');
        line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text.empty() ? reply.body : text;
}

bool CommandDone(std::string_view command, const CommandReply& reply) {
    if (reply.status != 200) return false;
    const std::string text = ReplyText(reply);
    for (const auto& [name, doneText] : kDoneTexts) {
        if (name != command) continue;
        if (doneText.empty()) return !reply.body.empty() && !IsRefusalText(text);
        return text.find(doneText) != std::string::npos;
    }
    return false;
}

std::vector<std::string> LayoutListLines(std::string_view body) {
    std::vector<std::string> lines;
    for (std::string& line :
         SplitText(ReplaceAllExact(TagValue(body, "layoutlist"), "\r", ""), "\n")) {
        if (line.find('.') != std::string::npos && line.find('~') == std::string::npos) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::string PathFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<UserListRow> UserListRows(std::string_view body) {
    const IniDocument list = IniDocument::Parse(TagValue(body, "userlist"));
    std::vector<UserListRow> rows;
    for (const std::string& name : list.Sections()) {
        const auto level = ParseWholeNumber(list.Value(name, "Permissions").value_or(""));
        rows.push_back({name, list.Value(name, "Password").value_or(""),
                        PermissionName(static_cast<int>(level.value_or(kPermissionNone)), "None")});
    }
    return rows;
}

std::vector<int> LogListDays(std::string_view body) {
    std::vector<int> days;
    for (const std::string& piece : SplitText(TagValue(body, "loglist"), ",")) {
        const auto day = ParseWholeNumber(piece);
        if (day && *day >= 1 && *day <= 31) days.push_back(static_cast<int>(*day));
    }
    return days;
}

}  // namespace ostrel
