#pragma once

#include <string>
#include <vector>

#include "platform/process_snapshot.h"

namespace ostrel {

// Processes read from the proc file system, in ascending order of process id.
//
// Each process's executable name is the file name of its "exe" link. That link cannot be read
// for another user's process or a kernel thread; then the file name of the first command-line
// word serves when it begins with the kernel's command name (which holds only the first 15
// bytes of the name), else the command name itself. A process that ends while being read is
// left out.
class LinuxProcessSnapshot : public ProcessSnapshot {
public:
    // `procFolder` is where the proc file system is mounted.
    explicit LinuxProcessSnapshot(std::string procFolder = "/proc");

    std::vector<ProcessEntry> Processes() const override;

private:
    std::string procFolder_;
};

}  // namespace ostrel
