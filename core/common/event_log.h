#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace ostrel {

// A console window that shows log lines. The log calls a sink from whichever thread is logging,
// with its own lock held: a sink hands the line to its window without blocking and never calls
// back into the log.
class ConsoleSink {
public:
    virtual ~ConsoleSink() = default;
    virtual void AppendLine(const std::string& line) = 0;
    // The mirrored console was emptied (only the controller console is ever emptied).
    virtual void Clear() {}
};

// "Dec-09-09.txt": the daily log's file name for the moment's day.
std::string DailyLogFileName(const LocalDateTime& moment);

// The daily log file, the controller console and the debug traces. Safe to use from several
// threads: each call is done whole under one lock, so lines stay whole and keep the order of the
// calls.
class EventLog {
public:
    static constexpr std::size_t kConsoleLimit = 100000;
    static constexpr std::string_view kConsoleTitle = "-- Ostrel Console Window --";
    static constexpr std::string_view kDebugFileName = "ostrel3_debug.txt";

    // The data folder holds "Logs/" and one debug file, the program folder the other debug file.
    // The data folder must exist; "Logs/" is created when a daily file needs it.
    EventLog(FileSystem& fileSystem, const Clock& clock, std::string dataFolder,
             std::string programFolder);

    // Whether WriteLog may start a missing daily file (on by default).
    void SetDoLog(bool doLog);
    void SetDebugSwitches(bool saveDebug, bool showDebug);
    void SetShowDebug(bool showDebug);
    // False when DebugLog would do nothing, so callers can skip building the trace text.
    bool DebugEnabled() const;

    // The controller console's mirror; on attaching, it receives every line the console holds.
    // Null detaches. Once this returns, the previous sink is no longer called.
    void SetControllerConsole(ConsoleSink* sink);
    // The lock form's console while a lock form exists; null detaches, as above.
    void SetLockConsole(ConsoleSink* sink);

    std::string LogFolder() const { return dataFolder_ + "Logs/"; }

    // Appends "[time] text" to today's file. A missing file is created first when DoLog is on;
    // with DoLog off such a line is dropped. False when the line did not reach the file.
    bool WriteLog(const std::string& text);
    // As WriteLog, but creates today's file whatever DoLog says, and writes an empty text as an
    // empty line without time stamp.
    bool EntryLog(const std::string& text);
    // Adds "[time] text" to the controller console and, while one is attached, the lock console.
    // With both debug switches on, the controller console is saved to the program folder.
    void ConsoleLog(const std::string& text);
    // A diagnostic trace; never fails. With -savedebug: "*" + text goes to the daily log and the
    // controller console is saved to the data folder. With -showdebug and a lock console:
    // ":" + text goes to both consoles.
    void DebugLog(const std::string& text);

    // A copy of the controller console's text, lines ended by CR LF.
    std::string ControllerConsoleText() const;

private:
    enum class Writer { kWriteLog, kEntryLog };

    bool AppendLocked(const std::string& text, Writer writer);
    bool CreateDailyFileLocked(const std::string& path, const LocalDateTime& now);
    void ConsoleLogLocked(const std::string& text);
    void AddControllerLineLocked(const std::string& line);
    void SaveConsoleLocked(const std::string& path);

    FileSystem& fileSystem_;
    const Clock& clock_;
    const std::string dataFolder_;
    const std::string programFolder_;
    std::atomic<bool> doLog_{true};
    std::atomic<bool> saveDebug_{false};
    std::atomic<bool> showDebug_{false};

    mutable std::mutex mutex_;
    std::string console_;
    ConsoleSink* controllerConsole_ = nullptr;
    ConsoleSink* lockConsole_ = nullptr;
};

}  // namespace ostrel
