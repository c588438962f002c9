#include "manager_cli.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

#include "common/date_format.h"
#include "common/ini_file.h"
#include "common/number_helpers.h"
#include "common/settings_store.h"
#include "common/user_list.h"
#include "console/address_check.h"
#include "console/computer_list.h"
#include "console/console_credentials.h"
#include "console/console_settings.h"
#include "console_network.h"
#include "event_listener.h"
#include "linux/linux_file_system.h"
#include "linux/linux_system_info.h"
#include "linux/terminal_password.h"

namespace ostrel {

namespace {

constexpr int kMinDescriptorsPerQuery = 1;
constexpr rlim_t kSpareDescriptors = 64;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

// The console log on standard error, or nowhere.
class StderrManagerLog : public ManagerLog {
public:
    explicit StderrManagerLog(bool enabled) : enabled_(enabled) {}
    ~StderrManagerLog() override { Flush(); }

    void LogLine(const std::string& text) override {
        if (!enabled_) return;
        Flush();
        line_ = text;
        open_ = true;
    }
    void LogAppend(const std::string& text) override {
        if (!enabled_) return;
        line_ += text;
        open_ = true;
    }

private:
    void Flush() {
        if (!open_) return;
        std::fprintf(stderr, "%s\n", line_.c_str());
        line_.clear();
        open_ = false;
    }

    bool enabled_;
    bool open_ = false;
    std::string line_;
};

QJsonObject ComputerJson(const TComputer& computer) {
    QJsonObject object;
    for (const ComputerField& field : ComputerFields()) {
        object.insert(Q(std::string(field.tag)), Q(computer.*field.member));
    }
    return object;
}

void PrintComputers(const TComputerList& computers, bool json) {
    if (json) {
        QJsonArray array;
        for (const TComputer& computer : computers.Items()) array.append(ComputerJson(computer));
        Out() << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return;
    }
    for (const TComputer& computer : computers.Items()) {
        Out() << Q(computer.internalIp).leftJustified(16) << ' '
              << Q(computer.computerName).leftJustified(20) << ' '
              << Q(computer.status).leftJustified(10) << ' ' << Q(computer.currentUser) << "  idle "
              << Q(FormatDuration(std::string_view(computer.idleTime))) << "  version "
              << Q(computer.version) << "  layout " << Q(computer.layout) << '\n';
    }
    Out() << computers.Count() << (computers.Count() == 1 ? " workstation" : " workstations")
          << '\n';
}

void PrintStatus(const TComputer& computer, bool json) {
    if (json) {
        Out() << QJsonDocument(ComputerJson(computer)).toJson(QJsonDocument::Indented);
        return;
    }
    for (const ComputerField& field : ComputerFields()) {
        Out() << Q(std::string(field.tag)).leftJustified(14) << ' ' << Q(computer.*field.member)
              << '\n';
    }
}

int FailedExchange(const HttpOutcome& outcome, const std::string& host, bool json) {
    const QString reason = outcome.end == QueryEnd::kConnectTimeout
                               ? QStringLiteral("connection timed out")
                               : outcome.errorText;
    if (json) {
        Out() << QJsonDocument(QJsonObject{{"host", Q(host)}, {"done", false}, {"error", reason}})
                     .toJson(QJsonDocument::Compact);
    } else {
        QTextStream(stderr) << Q(host) << ": " << reason << Qt::endl;
    }
    return kExitUnreachable;
}

// Output of a command that came back from the workstation.
int PrintReply(const ManagerInvocation& run, const CommandRequest& request,
               const CommandReply& reply) {
    const bool done = CommandDone(request.command, reply);
    const std::string text = ReplyText(reply);
    if (run.json) {
        QJsonObject object{{"host", Q(run.host)},
                           {"command", Q(request.command)},
                           {"done", done},
                           {"reply", Q(text)}};
        if (done && request.command == "listlayouts") {
            QJsonArray layouts;
            for (const std::string& line : LayoutListLines(reply.body)) layouts.append(Q(line));
            object.insert("layouts", layouts);
        } else if (done && request.command == "listlogs") {
            QJsonArray days;
            for (const int day : LogListDays(reply.body)) days.append(day);
            object.insert("days", days);
        } else if (done && request.command == "getuserlist") {
            QJsonArray users;
            for (const UserListRow& row : UserListRows(reply.body)) {
                users.append(QJsonObject{
                    {"name", Q(row.name)}, {"password", Q(row.hash)}, {"level", Q(row.levelName)}});
            }
            object.insert("users", users);
        }
        Out() << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else if (!done) {
        QTextStream(stderr) << Q(run.host) << ": refused"
                            << (text.empty() ? QString() : ": " + Q(text)) << Qt::endl;
    } else if (request.command == "listlayouts") {
        for (const std::string& line : LayoutListLines(reply.body)) {
            Out() << Q(PathFileName(line)).leftJustified(24) << ' ' << Q(line) << '\n';
        }
    } else if (request.command == "listlogs") {
        QStringList days;
        for (const int day : LogListDays(reply.body)) days << QString::number(day);
        Out() << days.join(' ') << '\n';
    } else if (request.command == "getuserlist") {
        for (const UserListRow& row : UserListRows(reply.body)) {
            Out() << Q(row.name).leftJustified(20) << ' ' << Q(row.levelName) << '\n';
        }
    } else {
        Out() << Q(text) << (text.ends_with('\n') ? "" : "\n");
    }
    return done ? kExitDone : kExitRefused;
}

// A date as typed, in the short form the workstations read; nothing when it names no day.
std::optional<std::string> WorkstationDate(const std::string& typed) {
    const auto date = ParseShortDate(typed);
    if (!date) return std::nullopt;
    return FormatShortDate(*date);
}

std::optional<CommandRequest> RequestFor(const ManagerInvocation& run, bool hideUpdate) {
    const std::string& c = run.command;
    if (c == "lock") return run.layout.empty() ? LockRequest() : LockWithLayoutRequest(run.layout);
    if (c == "unlock") return UnlockRequest();
    if (c == "message") return RemoteMessageRequest(run.from, run.subject, run.text);
    if (c == "standby") return StandbyRequest();
    if (c == "hibernate") return HibernateRequest();
    if (c == "halt") return HaltRequest();
    if (c == "layouts") return ListLayoutsRequest();
    if (c == "userlist") return GetUserListRequest(run.host);
    if (c == "update-script") {
        if (run.scriptAction == "view") return ViewUpdateScriptRequest();
        return RunUpdateScriptRequest(run.hidden.value_or(hideUpdate));
    }
    const auto date = WorkstationDate(run.date);
    if (!date) return std::nullopt;
    return c == "logs" ? ListLogsRequest(*date) : GetLogRequest(*date);
}

// Room for the queries in flight: the soft descriptor limit is raised to the hard one, and the
// number in flight kept below it.
int QueriesInFlight(int wanted) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) return wanted;
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
        ::getrlimit(RLIMIT_NOFILE, &limit);
    }
    if (limit.rlim_cur == RLIM_INFINITY) return wanted;
    const rlim_t room = limit.rlim_cur > kSpareDescriptors ? limit.rlim_cur - kSpareDescriptors
                                                           : kMinDescriptorsPerQuery;
    return static_cast<int>(std::min<rlim_t>(static_cast<rlim_t>(wanted), room));
}

std::optional<std::string> Password(const std::string& user) {
    if (const char* fromEnvironment = std::getenv("OSTREL_PASSWORD")) return fromEnvironment;
    return ReadPasswordFromTerminal("Ostrel password for " + user + ": ");
}

int RunEvents(ManagerLog& log, bool json) {
    EventListener listener(log);
    QObject::connect(&listener, &EventListener::EventLine, [json](const QString& line) {
        if (json) {
            Out() << QJsonDocument(QJsonObject{{"line", line}}).toJson(QJsonDocument::Compact)
                  << '\n';
        } else {
            Out() << line << '\n';
        }
        Out().flush();
    });
    if (!listener.Listen(kEventPort)) {
        QTextStream(stderr) << "UDP port " << kEventPort << " is in use" << Qt::endl;
        return kExitUnreachable;
    }
    return QCoreApplication::exec();
}

}  // namespace

int RunManagerCommand(const ManagerInvocation& run) {
    LinuxFileSystem files;
    const LinuxSystemInfo system;
    StderrManagerLog log(run.verbose);

    const auto password = Password(run.user);
    const UserList users(files, system.ProgramFolder() + "userlist.dat");
    if (!password) {
        QTextStream(stderr) << "No password: set OSTREL_PASSWORD or run on a terminal." << Qt::endl;
        return kExitRefused;
    }
    if (!CheckConsoleCredentials(users, run.user, *password)) {
        QTextStream(stderr) << "You don't have the proper credentials to run this application."
                            << Qt::endl;
        return kExitRefused;
    }
    if (run.command == "events") return RunEvents(log, run.json);

    const IniFile store(files, RegistryStorePath(system.ConfigFolder()));
    const ConsoleSettings stored = LoadConsoleSettings(store);
    ConsoleNetworkSettings settings;
    settings.scanTimeoutMs = run.scanTimeoutMs.value_or(stored.scanTimeoutMs);
    settings.udpTimeoutMs = run.udpTimeoutMs.value_or(stored.udpTimeoutMs);
    settings.httpTimeoutMs = run.httpTimeoutMs.value_or(stored.httpTimeoutMs);
    settings.readTimeoutMs = run.readTimeoutMs.value_or(settings.readTimeoutMs);
    settings.maxInFlight = QueriesInFlight(run.parallel.value_or(settings.maxInFlight));
    const std::string ownAddress = system.ComputerAddress();
    if (!ownAddress.empty()) settings.ownAddress = ownAddress;
    settings.broadcastAddresses.insert(settings.broadcastAddresses.end(), run.broadcasts.begin(),
                                       run.broadcasts.end());

    ComputerTableModel computers;
    ConsoleNetwork network(settings, {run.user, *password}, computers, log);
    int status = kExitDone;

    if (run.command == "discover" || run.command == "scan") {
        const auto finished = run.command == "discover" ? &ConsoleNetwork::DiscoveryFinished
                                                        : &ConsoleNetwork::ScanFinished;
        QObject::connect(&network, finished, [] { QCoreApplication::quit(); });
        if (run.command == "discover") {
            network.BroadcastDiscovery();
        } else {
            std::string error;
            if (!network.RangeScan(run.firstAddress, run.lastAddress, &error)) {
                QTextStream(stderr) << Q(error) << Qt::endl;
                return kExitUsage;
            }
        }
        QCoreApplication::exec();
        PrintComputers(computers.Computers(), run.json);
        return kExitDone;
    }

    if (!IsValidAddress(run.host)) {
        QTextStream(stderr) << Q(run.host) << " is not a valid address" << Qt::endl;
        return kExitUsage;
    }
    if (run.command == "status") {
        const CommandRequest query = QueryRequest();
        network.RunCommand(run.host, query, [&](const HttpOutcome& outcome) {
            if (outcome.end != QueryEnd::kReply) {
                status = FailedExchange(outcome, run.host, run.json);
            } else if (!CommandDone(query.command, *outcome.reply)) {
                status = PrintReply(run, query, *outcome.reply);
            } else {
                TComputerList one;
                one.MergeStatusReport(outcome.reply->body);
                PrintStatus(one.At(0), run.json);
            }
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        return status;
    }

    const auto request = RequestFor(run, stored.hideUpdate);
    if (!request) {
        QTextStream(stderr) << Q(run.date) << " is not a date (m/d/yyyy or yyyy-mm-dd)" << Qt::endl;
        return kExitUsage;
    }
    network.RunCommand(run.host, *request, [&](const HttpOutcome& outcome) {
        status = outcome.end == QueryEnd::kReply ? PrintReply(run, *request, *outcome.reply)
                                                 : FailedExchange(outcome, run.host, run.json);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    return status;
}

}  // namespace ostrel
