#pragma once

#include <stdexcept>
#include <string>

#include "common/authorization.h"
#include "common/event_log.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/system_info.h"
#include "workstation/messages/pending_remote_message.h"
#include "workstation/remote/http_reply.h"
#include "workstation/remote/http_request.h"
#include "workstation/remote/last_remote_user.h"
#include "workstation/remote/remote_workstation.h"

namespace ostrel {

// An error of a request handler; the server answers it with status 500 and its message.
class RemoteRequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Facts about this computer captured when the program starts.
struct StartFacts {
    std::string internalIp;
    std::string mac;
    std::string group;
    std::string currentUser;
    std::string version;
    bool remoteSession = false;
};

// Everything the remote commands use.
struct RemoteCommandServices {
    OstrelSettingsStore& settings;
    const Authenticator& authenticator;
    EventLog& log;
    const FileSystem& files;
    const FolderListing& folders;
    const Clock& clock;
    const SystemInfo& system;
    RemoteWorkstation& workstation;
    LastRemoteUser& lastRemoteUser;
    PendingRemoteMessage& pendingMessage;
};

// The request handler of the remote-control server: the address check, the credentials, then the
// handler of the request's path. Runs on the server's thread, one request at a time.
class RemoteCommands {
public:
    RemoteCommands(RemoteCommandServices services, StartFacts facts);

    // The whole reply to a request from the address: what the handler sent, or the bare status
    // line, or status 500 for an error.
    std::string Serve(const HttpRequest& request, const std::string& remoteAddress);

    void httpCommandGet(const HttpRequest& request, const std::string& remoteAddress,
                        HttpReply& reply);

    const StartFacts& Facts() const { return facts_; }
    std::string StatusReport() const;
    // "<layoutlist>" + the SLF, HTML and PHP layouts, a line each + "</layoutlist>".
    std::string LayoutList() const;
    // "<loglist>" + the days of the date's month that have a daily log, each followed by ","
    // + "</loglist>".
    std::string LogMonthSummary(const std::string& date) const;
    // The daily log of the date with CR LF line ends, or "No log file for " + date.
    std::string LogFileText(const std::string& date) const;
    // Logs, then runs the shutdown the flags ask for; on success the program ends. False when it
    // could not be started.
    bool RemoteShutdown(const std::string& flags);
    void StandByNow();
    void HibernateNow();

private:
    struct Call;
    using Handler = void (RemoteCommands::*)(Call&);

    static Handler HandlerFor(const std::string& path);

    void Query(Call& call);
    void ListLayouts(Call& call);
    void ListLogs(Call& call);
    void GetLog(Call& call);
    void Lock(Call& call);
    void ChangeLayout(Call& call);
    void ViewUpdateScript(Call& call);
    void RunUpdateScript(Call& call);
    void Update(Call& call);
    void Halt(Call& call);
    void GetUserList(Call& call);
    void Unlock(Call& call);
    void StandBy(Call& call);
    void Hibernate(Call& call);
    void RemoteMessage(Call& call);
    void ShutdownComputer(Call& call);

    void UseLayout(const std::string& layout);
    std::string UpdateScriptPath() const;

    RemoteCommandServices services_;
    const StartFacts facts_;
};

// The parameters' text after "flags=", counted as the console expects: without "flags=" the first
// five characters are dropped.
std::string CutToFlags(const std::string& params);

// The request line with the value of s_password replaced by "*******".
std::string MaskPassword(const std::string& requestLine);

// The name matches the mask: "*" any run of characters, "?" one character or none; letters
// without regard to case.
bool MaskMatch(std::string_view name, std::string_view mask);

}  // namespace ostrel
