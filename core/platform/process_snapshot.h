#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel {

// One process as the platform reports it.
struct ProcessEntry {
    std::uint32_t processId = 0;
    std::uint32_t parentProcessId = 0;
    std::uint32_t threadCount = 0;
    // The executable's file name without folder.
    std::string exeFile;
    // The executable's full path; empty when it cannot be read (another user's process, a
    // kernel thread).
    std::string fullPath;
};

// A snapshot of the processes running now.
class ProcessSnapshot {
public:
    virtual ~ProcessSnapshot() = default;

    // Every running process, in the order the platform reports them; empty when no snapshot
    // can be taken.
    virtual std::vector<ProcessEntry> Processes() const = 0;
};

}  // namespace ostrel
