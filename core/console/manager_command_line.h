#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// Exit statuses of the command line.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;      // by the workstation or the credential check
inline constexpr int kExitUnreachable = 2;  // no connection or a time-out
inline constexpr int kExitUsage = 64;

// One run of `ostrelmanager` as its arguments ask for it.
struct ManagerInvocation {
    bool help = false;
    std::string command;  // empty: the window
    std::string host;
    std::string firstAddress, lastAddress;  // scan
    std::string scriptAction;               // update-script: "view" or "run"
    std::string layout;                     // lock --layout
    std::string from, subject, text;        // message
    std::string date;                       // logs --month, log --date
    std::string user = "administrator";
    bool json = false;
    bool verbose = false;
    std::optional<bool> hidden;  // update-script run: --hidden / --visible
    std::vector<std::string> broadcasts;
    std::optional<int> scanTimeoutMs, udpTimeoutMs, httpTimeoutMs, readTimeoutMs;
    std::optional<int> parallel;
};

struct ParsedInvocation {
    ManagerInvocation invocation;
    std::string error;  // empty when the arguments make sense
};

// Reads the arguments after the program name.
ParsedInvocation ParseManagerArguments(const std::vector<std::string>& arguments);

// The text of --help.
std::string_view ManagerHelpText();

}  // namespace ostrel
