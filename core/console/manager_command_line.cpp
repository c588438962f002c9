#include "console/manager_command_line.h"

#include <algorithm>
#include <array>
#include <limits>

#include "common/number_helpers.h"

namespace ostrel {

namespace {

// The commands that take one host and nothing else.
constexpr std::array<std::string_view, 11> kHostCommands = {
    "status", "lock",    "unlock", "message", "standby", "hibernate",
    "halt",   "layouts", "logs",   "log",     "userlist"};

constexpr std::string_view kHelp = R"(Usage: ostrelmanager [COMMAND ARGUMENTS] [OPTIONS]

The network console for Ostrel workstations. Without a command it starts its window.

Commands:
  discover                     broadcast a discovery datagram, query every workstation that
                               answers and list them with their status
  scan FIRST LAST              query every address from FIRST to LAST and list the
                               workstations that answer
  status HOST                  the status report of one workstation
  lock HOST [--layout PATH]    lock the workstation, with the layout file PATH (a path on the
                               workstation) when given
  unlock HOST                  unlock the workstation
  message HOST --from NAME --subject TEXT --text TEXT
                               leave a message; the text arrives as typed, line breaks included
  standby HOST                 put the workstation to sleep
  hibernate HOST               hibernate the workstation
  halt HOST                    end the Ostrel program on the workstation (emergencies only: it
                               is not asked twice)
  layouts HOST                 the layout files the workstation offers (name and path)
  logs HOST --month DATE       the days of DATE's month that have a daily log
  log HOST --date DATE         the daily log of DATE
  userlist HOST                the workstation's accounts and their levels
  update-script view HOST      show the workstation's update script
  update-script run HOST [--hidden|--visible]
                               run it (hidden unless the console's settings say otherwise)
  events                       print the workstations' security and power events as they
                               arrive on UDP port 8778, until interrupted

  DATE is m/d/yyyy or yyyy-mm-dd. HOST is a dotted IPv4 address.

Credentials (checked against the console's own userlist.dat in its program folder, which is
$OSTREL_HOME or the folder of the program; the account needs the level Unlock or Admin, and
the same account must exist on the workstations):
  --user NAME                  the account (default "administrator")
  The password is read from the environment variable OSTREL_PASSWORD, else asked for on the
  terminal. It is sent to the workstations but never written to a log.

Options:
  --json                       machine-readable output
  --verbose                    the console log on standard error (passwords masked)
  --broadcast ADDRESS          discover also through this directed broadcast address (for a
                               routed subnet, e.g. 10.1.2.255); may be repeated
  --scan-timeout MS            connect time-out of status queries (setting "scantimeout")
  --udp-timeout MS             how long discovery waits for answers (setting "udptimeout")
  --http-timeout MS            connect time-out of commands (setting "httptimeout")
  --read-timeout MS            longest pause in an answer once connected (default 10000)
  --parallel N                 status queries in flight at once during a scan (default 4096)
  --help                       this text

Settings come from the console's section of the settings store
($XDG_CONFIG_HOME/ostrel/registry.ini); options override them.

Exit status: 0 done, 1 refused by the workstation or the credential check, 2 unreachable or
timed out, 64 wrong arguments.
)";

bool IsHostCommand(std::string_view command) {
    return std::find(kHostCommands.begin(), kHostCommands.end(), command) != kHostCommands.end();
}

std::optional<int> PositiveNumber(const std::string& text) {
    const auto n = ParseWholeNumber(text);
    if (!n || *n <= 0 || *n > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(*n);
}

}  // namespace

std::string_view ManagerHelpText() {
    return kHelp;
}

ParsedInvocation ParseManagerArguments(const std::vector<std::string>& arguments) {
    ParsedInvocation parsed;
    ManagerInvocation& run = parsed.invocation;
    std::vector<std::string> positional;
    const auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string* {
            return i + 1 < arguments.size() ? &arguments[++i] : nullptr;
        };
        struct TextOption {
            std::string_view name;
            std::string* target;
        };
        const TextOption textOptions[] = {
            {"--user", &run.user},       {"--layout", &run.layout}, {"--from", &run.from},
            {"--subject", &run.subject}, {"--text", &run.text},     {"--month", &run.date},
            {"--date", &run.date},
        };
        struct NumberOption {
            std::string_view name;
            std::optional<int>* target;
        };
        const NumberOption numberOptions[] = {
            {"--scan-timeout", &run.scanTimeoutMs}, {"--udp-timeout", &run.udpTimeoutMs},
            {"--http-timeout", &run.httpTimeoutMs}, {"--read-timeout", &run.readTimeoutMs},
            {"--parallel", &run.parallel},
        };

        if (argument == "--help" || argument == "-h") {
            run.help = true;
            return parsed;
        }
        if (argument == "--json") {
            run.json = true;
        } else if (argument == "--verbose" || argument == "-v") {
            run.verbose = true;
        } else if (argument == "--hidden" || argument == "--visible") {
            run.hidden = argument == "--hidden";
        } else if (argument == "--broadcast") {
            const std::string* address = value();
            if (address == nullptr) return fail("--broadcast needs an address");
            run.broadcasts.push_back(*address);
        } else if (const auto* text =
                       std::find_if(std::begin(textOptions), std::end(textOptions),
                                    [&](const TextOption& o) { return o.name == argument; });
                   text != std::end(textOptions)) {
            const std::string* v = value();
            if (v == nullptr) return fail(argument + " needs a value");
            *text->target = *v;
        } else if (const auto* number =
                       std::find_if(std::begin(numberOptions), std::end(numberOptions),
                                    [&](const NumberOption& o) { return o.name == argument; });
                   number != std::end(numberOptions)) {
            const std::string* v = value();
            const auto n = v == nullptr ? std::nullopt : PositiveNumber(*v);
            if (!n) return fail(argument + " needs a positive number");
            *number->target = n;
        } else if (argument.starts_with("--")) {
            return fail("unknown option " + argument);
        } else {
            positional.push_back(argument);
        }
    }

    if (positional.empty()) return parsed;
    run.command = positional[0];
    std::size_t expected = 1;
    if (run.command == "discover" || run.command == "events") {
    } else if (run.command == "scan") {
        expected = 3;
        if (positional.size() != 3) return fail("scan needs FIRST and LAST addresses");
        run.firstAddress = positional[1];
        run.lastAddress = positional[2];
    } else if (run.command == "update-script") {
        expected = 3;
        if (positional.size() != 3 || (positional[1] != "view" && positional[1] != "run")) {
            return fail("update-script needs view or run and a HOST");
        }
        run.scriptAction = positional[1];
        run.host = positional[2];
    } else if (IsHostCommand(run.command)) {
        expected = 2;
        if (positional.size() != 2) return fail(run.command + " needs a HOST");
        run.host = positional[1];
    } else {
        return fail("unknown command " + run.command);
    }
    if (positional.size() != expected) return fail("too many arguments for " + run.command);

    if (run.command == "message" && run.text.empty()) return fail("message needs --text");
    if ((run.command == "logs" || run.command == "log") && run.date.empty()) {
        return fail(run.command + (run.command == "logs" ? " needs --month" : " needs --date"));
    }
    return parsed;
}

}  // namespace ostrel
