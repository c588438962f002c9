#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/process_launcher.h"

namespace ostrel {

// Remembers every start instead of starting anything; a program given a failure number fails
// with it, every other program starts.
class RecordingProcessLauncher : public ProcessLauncher {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        friend bool operator==(const Call&, const Call&) = default;
    };

    int Start(const std::string& program, const std::vector<std::string>& arguments) override {
        calls.push_back({program, arguments});
        const auto failure = failures.find(program);
        return failure == failures.end() ? kLaunchStarted : failure->second;
    }

    std::map<std::string, int> failures;
    std::vector<Call> calls;
};

}  // namespace ostrel
