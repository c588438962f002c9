#include "workstation/remote/remote_commands.h"

#include <algorithm>
#include <map>

#include "common/date_format.h"
#include "common/passwords.h"
#include "common/permissions.h"
#include "common/text_helpers.h"
#include "workstation/remote/remote_address.h"
#include "workstation/remote/status_report.h"

namespace ostrel {

namespace {

constexpr std::size_t kMaxComputerName = 128;
constexpr const char* kPasswordMask = "*******";
constexpr std::string_view kPasswordParam = "s_password=";
constexpr const char* kCrLf = "\r\n";

// The layout folders below the program folder and their masks, in the order they are listed.
constexpr std::pair<const char*, const char*> kLayoutFolders[] = {
    {"layouts/slf", "*.slf"},
    {"layouts/html", "*.htm?"},
    {"layouts/html", "*.php?"},
};

std::string FileNamePart(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string WithCrLfLines(const std::string& text) {
    std::string joined;
    for (const std::string& line : TextLines(text)) joined += line + kCrLf;
    return joined;
}

LocalDateTime DateOf(const std::string& date) {
    const std::optional<LocalDateTime> parsed = ParseShortDate(date);
    if (!parsed) throw RemoteRequestError("'" + date + "' is not a valid date");
    return *parsed;
}

}  // namespace

// One request on its way through the handlers.
struct RemoteCommands::Call {
    const HttpRequest& request;
    const std::string& ip;
    HttpReply& reply;
    int level;
    std::string layout;
    std::string params;

    bool Admin() const { return level == kPermissionAdmin; }
    void Reply(std::string text) { reply.SetText(std::move(text)); }
    void Send(std::string text) {
        reply.SetText(std::move(text));
        reply.Send();
    }
};

RemoteCommands::RemoteCommands(RemoteCommandServices services, StartFacts facts)
    : services_(services), facts_(std::move(facts)) {}

std::string RemoteCommands::Serve(const HttpRequest& request, const std::string& remoteAddress) {
    HttpReply reply(request.line.method == "HEAD");
    try {
        httpCommandGet(request, remoteAddress, reply);
    } catch (const std::exception& error) {
        services_.log.DebugLog(std::string("EX:") + error.what());
        reply.Fail(error.what());
    }
    return reply.Finish();
}

RemoteCommands::Handler RemoteCommands::HandlerFor(const std::string& path) {
    static const std::map<std::string, Handler, std::less<>> handlers = {
        {"/query", &RemoteCommands::Query},
        {"/listlayouts", &RemoteCommands::ListLayouts},
        {"/listlogs", &RemoteCommands::ListLogs},
        {"/getlog", &RemoteCommands::GetLog},
        {"/lock", &RemoteCommands::Lock},
        {"/changelayout", &RemoteCommands::ChangeLayout},
        {"/viewupdatescript", &RemoteCommands::ViewUpdateScript},
        {"/runupdatescript", &RemoteCommands::RunUpdateScript},
        {"/update", &RemoteCommands::Update},
        {"/halt", &RemoteCommands::Halt},
        {"/getuserlist", &RemoteCommands::GetUserList},
        {"/unlock", &RemoteCommands::Unlock},
        {"/standby", &RemoteCommands::StandBy},
        {"/hibernate", &RemoteCommands::Hibernate},
        {"/remotemessage", &RemoteCommands::RemoteMessage},
        {"/shutdowncomp", &RemoteCommands::ShutdownComputer},
    };
    const auto found = handlers.find(path);
    return found == handlers.end() ? nullptr : found->second;
}

void RemoteCommands::httpCommandGet(const HttpRequest& request, const std::string& remoteAddress,
                                    HttpReply& reply) {
    EventLog& log = services_.log;
    log.DebugLog("frmOstrel:httpCommandGet");
    const std::shared_ptr<const TOstrelSettings> settings = services_.settings.Get();
    if (!RemoteAddressAllowed(remoteAddress, *settings)) {
        log.DebugLog("!!! REMOTE IP " + remoteAddress + " NOT IN LIST, REJECTED !!!");
        return;
    }
    log.DebugLog("*** REMOTE IP " + remoteAddress + " IN LIST, ALLOWED ***");

    const std::string user = request.Param("s_username");
    const std::string password = request.Param("s_password");
    services_.lastRemoteUser.Set(user);
    int level = 0;
    if (!settings->multiUser && CheckMasterPassword(password, settings->passwordHash)) {
        level = kPermissionAdmin;
    } else {
        level = services_.authenticator.Authenticate(user, password);
    }
    if (level == kUserNotFound) reply.SetText("user not found");
    if (level == kBadPassword) reply.SetText("incorrect password");
    if (level == kPermissionNone) reply.SetText("no access");
    log.DebugLog("authlevel: " + std::to_string(level));

    const Handler handler = HandlerFor(request.path);
    if (handler == nullptr) return;
    Call call{request,
              remoteAddress,
              reply,
              level,
              request.Param("s_layout"),
              CutToFlags(request.Param("params"))};
    (this->*handler)(call);
}

std::string RemoteCommands::StatusReport() const {
    const std::shared_ptr<const TOstrelSettings> settings = services_.settings.Get();
    RemoteWorkstation& workstation = services_.workstation;
    const std::int64_t tick = services_.clock.TickMs();
    StatusFacts status;
    status.computerName = services_.system.HostName().substr(0, kMaxComputerName);
    status.internalIp = facts_.internalIp;
    status.mac = facts_.mac;
    status.group = facts_.group;
    status.status = StatusWord(services_.settings.ShutdownInProgress(), workstation.LockScreenUp());
    status.idleSeconds = workstation.SystemIdleMs() / 1000;
    status.uptimeSeconds = static_cast<std::uint64_t>(tick / 1000);
    status.currentUser = facts_.currentUser;
    status.version = facts_.version;
    status.masterIp = settings->MasterIP;
    status.layoutFile = FileNamePart(settings->LayoutFile);
    status.remoteSession = facts_.remoteSession;
    status.lockSeconds = static_cast<std::uint64_t>(
        std::max<std::int64_t>(0, tick - workstation.LockStartTick()) / 1000);
    return ostrel::StatusReport(status);
}

std::string RemoteCommands::LayoutList() const {
    std::string list = "<layoutlist>";
    for (const auto& [subfolder, mask] : kLayoutFolders) {
        const std::string folder = services_.system.ProgramFolder() + subfolder;
        std::optional<std::vector<std::string>> names = services_.folders.EntryNames(folder);
        if (!names) {
            services_.workstation.ShowWarning("Error occurred by trying to change directory");
            continue;
        }
        std::sort(names->begin(), names->end());
        bool any = false;
        for (const std::string& name : *names) {
            const std::string path = folder + "/" + name;
            if (!MaskMatch(name, mask) || !services_.files.FileExists(path)) continue;
            list += path + kCrLf;
            any = true;
        }
        if (!any) list += folder + "/" + kCrLf;
    }
    return list + "</layoutlist>";
}

std::string RemoteCommands::LogMonthSummary(const std::string& date) const {
    LocalDateTime day = DateOf(date);
    std::string days;
    for (int number = 1; number <= DaysInMonth(day.year, day.month); ++number) {
        day.day = number;
        if (services_.files.FileExists(services_.log.LogFolder() + DailyLogFileName(day))) {
            days += std::to_string(number) + ",";
        }
    }
    return "<loglist>" + days + "</loglist>";
}

std::string RemoteCommands::LogFileText(const std::string& date) const {
    const std::string path = services_.log.LogFolder() + DailyLogFileName(DateOf(date));
    const std::optional<std::string> text = services_.files.ReadFile(path);
    return text ? WithCrLfLines(*text) : "No log file for " + date;
}

bool RemoteCommands::RemoteShutdown(const std::string& flags) {
    EventLog& log = services_.log;
    log.DebugLog("SDC: flags: " + flags);
    const ShutdownRequest request = ParseShutdownFlags(flags);
    log.DebugLog("winexec: logind shutdown " + flags);
    if (request.action == ShutdownAction::kNone ||
        !services_.workstation.ShutdownComputer(request)) {
        log.WriteLog("Remote shutdown failed because command could not execute.");
        return false;
    }
    services_.workstation.Terminate();
    return true;
}

void RemoteCommands::StandByNow() {
    services_.log.WriteLog("System going into Stand By");
    services_.workstation.StandBy();
}

void RemoteCommands::HibernateNow() {
    services_.log.WriteLog("System going into Hibernate");
    services_.workstation.Hibernate();
}

void RemoteCommands::UseLayout(const std::string& layout) {
    if (!services_.files.FileExists(layout)) return;
    services_.settings.Modify([&layout](TOstrelSettings& s) { s.LayoutFile = layout; });
}

std::string RemoteCommands::UpdateScriptPath() const {
    return services_.system.ProgramFolder() + "update.sh";
}

void RemoteCommands::Query(Call& call) {
    if (!call.Admin()) {
        call.Reply("unauthenticated,  you are not admin");
        services_.log.WriteLog("Unsuccessful remote Query by " + call.ip);
        return;
    }
    call.reply.SetCode(HttpReply::kOk);
    call.Send(StatusReport());
}

void RemoteCommands::ListLayouts(Call& call) {
    if (!call.Admin()) {
        call.Reply("unauthenticated");
        services_.log.WriteLog("Unsuccessful remote layout query by " + call.ip);
        return;
    }
    call.Send(LayoutList());
    services_.log.DebugLog("sent layout list");
}

void RemoteCommands::ListLogs(Call& call) {
    EventLog& log = services_.log;
    if (!call.Admin()) {
        call.Reply("unauthenticated");
        log.WriteLog("Unsuccessful remote request for Log File by " + call.ip);
        return;
    }
    const std::string date = call.request.Param("date");
    log.ConsoleLog("Request for log month summary.");
    log.WriteLog("Listlogs requested. Date = " + date +
                 ". HTTP =" + MaskPassword(call.request.requestLine));
    const std::string summary = LogMonthSummary(date) + kCrLf;
    log.WriteLog("Listlogs returning : " + summary);
    call.Send(summary);
    log.DebugLog("sent log summary....");
}

void RemoteCommands::GetLog(Call& call) {
    EventLog& log = services_.log;
    if (!call.Admin()) {
        call.Reply("unauthenticated");
        log.WriteLog("Unsuccessful remote request for Log File by " + call.ip);
        return;
    }
    log.ConsoleLog("Request for log file.");
    call.Send(LogFileText(call.request.Param("date")));
    log.DebugLog("sent log file.");
}

void RemoteCommands::Lock(Call& call) {
    EventLog& log = services_.log;
    if (call.Admin()) {
        UseLayout(call.layout);
        services_.workstation.StartLock();
        call.Send("locked");
        log.WriteLog("Locked by remote address " + call.ip);
    } else {
        call.Reply("cant lock, not authenticated");
        log.WriteLog("Unsuccessful remote lock by remote address " + call.ip);
    }
    if (!call.layout.empty()) log.WriteLog("Layout requested : " + call.layout);
}

void RemoteCommands::ChangeLayout(Call& call) {
    EventLog& log = services_.log;
    if (!call.Admin()) {
        call.Send("cant lock, not authenticated");
        log.WriteLog("Unsuccessful/unauthenticated remote attempt to change layout by address " +
                     call.ip);
        log.WriteLog("layout requested : " + call.layout);
        return;
    }
    UseLayout(call.layout);
    call.Send("locked");
    log.WriteLog("Default layout changed by remote address " + call.ip);
    log.WriteLog("layout : " + call.layout);
}

void RemoteCommands::ViewUpdateScript(Call& call) {
    EventLog& log = services_.log;
    if (!call.Admin()) {
        call.Send("cant view script, not authenticated");
        log.WriteLog(
            "Unsuccessful/unauthenticated remote attempt to view update script file by address " +
            call.ip);
        return;
    }
    const std::string path = UpdateScriptPath();
    const std::optional<std::string> script = services_.files.ReadFile(path);
    call.Send(script ? *script : "The file " + path + " does not exist.");
    log.WriteLog("Update script viewed by " + call.ip);
    log.DebugLog("Update script viewed by " + call.ip);
}

void RemoteCommands::RunUpdateScript(Call& call) {
    EventLog& log = services_.log;
    if (!call.Admin()) {
        call.Send("cant run update script, not authenticated");
        log.WriteLog(
            "Unsuccessful/unauthenticated remote attempt to run update script by address " +
            call.ip);
        return;
    }
    const std::string path = UpdateScriptPath();
    if (services_.files.FileExists(path) &&
        services_.workstation.RunUpdateScript(path, call.params == "hidden")) {
        call.Reply("Script was run.");
    }
    log.WriteLog("Update Script run by remote address " + call.ip);
}

void RemoteCommands::Update(Call& call) {
    if (!call.Admin()) {
        call.Reply("cant update, not authenticated");
        services_.log.WriteLog("Unsuccessful update attempt by remote address " + call.ip);
        return;
    }
    call.Send("Update initiated");
    services_.log.WriteLog("Update by remote address " + call.ip);
}

void RemoteCommands::Halt(Call& call) {
    if (!call.Admin()) {
        call.Send("cant halt, not authenticated");
        services_.log.WriteLog("Unsuccessful halt attempt by address " + call.ip);
        return;
    }
    call.Send("OK, halting.");
    services_.workstation.Terminate();
}

void RemoteCommands::GetUserList(Call& call) {
    if (!call.Admin()) {
        call.Send("cant fetch user list, not authenticated");
        services_.log.WriteLog("Unsuccessful user list fetch by address " + call.ip);
        return;
    }
    const std::string path = services_.system.ProgramFolder() + "userlist.dat";
    const std::optional<std::string> users = services_.files.ReadFile(path);
    if (!users) throw RemoteRequestError("Cannot open file \"" + path + "\"");
    call.Send("<userlist>" + *users + "</userlist>");
}

void RemoteCommands::Unlock(Call& call) {
    EventLog& log = services_.log;
    RemoteWorkstation& workstation = services_.workstation;
    log.DebugLog("shutdown request");
    const std::shared_ptr<const TOstrelSettings> settings = services_.settings.Get();
    const int required =
        settings->OnlyAdminCanUnlockMaster && facts_.internalIp == settings->MasterIP
            ? kPermissionAdmin
            : kPermissionUnlock;
    if (call.level < required) {
        call.Send("cant Shutdown, not authenticated");
        log.WriteLog("Unsuccessful Shutdown attempt by remote address " + call.ip);
        if (workstation.LockScreenUp()) {
            log.DebugLog("stopping browser");
            workstation.PostLockCommand("badpass");
        }
        return;
    }
    log.DebugLog("has auth_unlock level");
    call.Send("Shutting down...");
    log.WriteLog("Shutdown by remote address " + call.ip);
    call.reply.SetCode(HttpReply::kOk);
    call.Send("unlocking");
    if (workstation.LockScreenUp()) workstation.PostLockCommand("shutdown");
}

void RemoteCommands::StandBy(Call& call) {
    if (!call.Admin()) {
        call.Send("Cant Standby, not authenticated");
        services_.log.WriteLog("Unsuccessful Standby attempt by remote address " + call.ip);
        return;
    }
    call.Send("Standing by..");
    services_.log.WriteLog("Standby by remote address " + call.ip);
    StandByNow();
}

void RemoteCommands::Hibernate(Call& call) {
    if (!call.Admin()) {
        call.Send("Cant Hibernbate, not authenticated");
        services_.log.WriteLog("Unsuccessful Hibernbate attempt by remote address " + call.ip);
        return;
    }
    call.Send("Hibernating...");
    services_.log.WriteLog("Hibernbate by remote address " + call.ip);
    HibernateNow();
}

void RemoteCommands::RemoteMessage(Call& call) {
    if (!call.Admin()) {
        call.Send("Cant message, not authenticated");
        services_.log.WriteLog("Unsuccessful message attempt by remote address " + call.ip);
        return;
    }
    call.Send("leaving msg...");
    services_.log.WriteLog("Message from remote address " + call.ip);
    const HttpRequest& request = call.request;
    if (services_.workstation.LockScreenUp()) {
        services_.pendingMessage.Set({request.Param("mfrom"), request.Param("msubject"),
                                      request.Param("mbody"), request.Param("memail")});
        services_.workstation.PostLockCommand("remotemessage");
    } else {
        services_.workstation.ShowBalloon(
            "Message from " + request.Param("mfrom"),
            "RE: " + request.Param("msubject") + kCrLf + kCrLf + request.Param("mbody"));
    }
}

void RemoteCommands::ShutdownComputer(Call& call) {
    if (!call.Admin()) {
        call.Send("cant shut down computer, not authenticated");
        services_.log.WriteLog("Unsuccessful computer shutdown attempt by remote address " +
                               call.ip);
        return;
    }
    services_.log.WriteLog("Computer shutdown by remote address " + call.ip);
    call.Send(RemoteShutdown(call.params)
                  ? "Shutting down computer"
                  : "Remote shutdown failed because command could not execute.");
}

std::string CutToFlags(const std::string& params) {
    const std::size_t found = params.find("flags=");
    const std::size_t start = found == std::string::npos ? 5 : found + 6;
    return start < params.size() ? params.substr(start) : std::string();
}

std::string MaskPassword(const std::string& requestLine) {
    std::string masked = requestLine;
    const std::size_t firstBlank = masked.find(' ');
    std::size_t versionStart = masked.rfind(' ');
    if (versionStart == firstBlank) versionStart = masked.size();
    std::size_t search = 0;
    while (true) {
        const std::string lowered = LowerCaseAscii(masked);
        const std::size_t found = lowered.find(kPasswordParam, search);
        if (found == std::string::npos || found >= versionStart) break;
        const std::size_t start = found + kPasswordParam.size();
        const std::size_t end = std::min(masked.find('&', start), versionStart);
        masked.replace(start, end - start, kPasswordMask);
        versionStart = versionStart + std::string_view(kPasswordMask).size() - (end - start);
        search = start + std::string_view(kPasswordMask).size();
    }
    return masked;
}

bool MaskMatch(std::string_view name, std::string_view mask) {
    if (mask.empty()) return name.empty();
    if (mask.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (MaskMatch(name.substr(skip), mask.substr(1))) return true;
        }
        return false;
    }
    if (mask.front() == '?') {
        return MaskMatch(name, mask.substr(1)) ||
               (!name.empty() && MaskMatch(name.substr(1), mask.substr(1)));
    }
    return !name.empty() && SameText(name.substr(0, 1), mask.substr(0, 1)) &&
           MaskMatch(name.substr(1), mask.substr(1));
}

}  // namespace ostrel
