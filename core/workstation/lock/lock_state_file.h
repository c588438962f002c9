#pragma once

#include <optional>
#include <string>

#include "platform/file_system.h"

namespace ostrel {

// What a locked session must hand on when the agent dies under it: the values the session will
// restore at its end, as they were before the lock changed them.
struct LockedSessionRecord {
    int globalAutoRun = 0;
    int disableAutoPlay = 0;
    bool networkSuspended = false;
    friend bool operator==(const LockedSessionRecord&, const LockedSessionRecord&) = default;
};

// The file that says a lock session is running. Written (atomically) once the session is locked,
// removed by `Shutdown`: an agent that starts and finds it was killed while locked.
class LockStateFile {
public:
    static constexpr const char* kFileName = "locked.ini";

    // The file in the data folder (given with its trailing "/"): it outlives a log-out or a power
    // cut, so the next start locks too.
    LockStateFile(FileSystem& files, const std::string& dataFolder)
        : files_(files), path_(dataFolder + kFileName) {}

    // The record of a session that never reached its `Shutdown`; nothing when there is none or
    // the file does not say "locked".
    std::optional<LockedSessionRecord> Read() const;
    bool Write(const LockedSessionRecord& record);
    void Clear();

private:
    FileSystem& files_;
    std::string path_;
};

}  // namespace ostrel
