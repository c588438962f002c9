#pragma once

#include <string>
#include <vector>

namespace ostrel {

// Why a program could not be started, numbered as the shell numbers its failures.
inline constexpr int kLaunchStarted = 0;
inline constexpr int kLaunchFileNotFound = 2;
inline constexpr int kLaunchAccessDenied = 5;
inline constexpr int kLaunchBadFormat = 11;

// Starts other programs.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    // Starts the program with these arguments in the current working folder and does not wait
    // for it. kLaunchStarted when it runs, otherwise one of the failure numbers above.
    virtual int Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

}  // namespace ostrel
