#include "common/event_log.h"

#include <utility>

#include "common/date_format.h"

namespace ostrel {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string StampedLine(const LocalDateTime& now, const std::string& text) {
    return "[" + FormatLongTime(now) + "] " + text;
}

std::string DailyFileHeader(const LocalDateTime& now) {
    return "-- Ostrel3 log file -- created " + FormatShortDate(now) + " " + FormatLongTime(now) +
           std::string(kLineEnd) + std::string(kLineEnd) + std::string(kLineEnd);
}

}  // namespace

std::string DailyLogFileName(const LocalDateTime& moment) {
    return FormatDateTime("mmm-dd-yy", moment) + ".txt";
}

EventLog::EventLog(FileSystem& fileSystem, const Clock& clock, std::string dataFolder,
                   std::string programFolder)
    : fileSystem_(fileSystem),
      clock_(clock),
      dataFolder_(WithTrailingSlash(std::move(dataFolder))),
      programFolder_(WithTrailingSlash(std::move(programFolder))),
      console_(std::string(kConsoleTitle) + std::string(kLineEnd)) {}

void EventLog::SetDoLog(bool doLog) {
    doLog_ = doLog;
}

void EventLog::SetDebugSwitches(bool saveDebug, bool showDebug) {
    saveDebug_ = saveDebug;
    showDebug_ = showDebug;
}

void EventLog::SetShowDebug(bool showDebug) {
    showDebug_ = showDebug;
}

bool EventLog::DebugEnabled() const {
    return saveDebug_ || showDebug_;
}

void EventLog::SetControllerConsole(ConsoleSink* sink) {
    std::lock_guard lock(mutex_);
    controllerConsole_ = sink;
    if (sink == nullptr) return;
    std::size_t start = 0;
    for (std::size_t end; (end = console_.find(kLineEnd, start)) != std::string::npos;) {
        sink->AppendLine(console_.substr(start, end - start));
        start = end + kLineEnd.size();
    }
}

void EventLog::SetLockConsole(ConsoleSink* sink) {
    std::lock_guard lock(mutex_);
    lockConsole_ = sink;
}

bool EventLog::WriteLog(const std::string& text) {
    try {
        std::lock_guard lock(mutex_);
        return AppendLocked(text, Writer::kWriteLog);
    } catch (...) {
        return false;
    }
}

bool EventLog::EntryLog(const std::string& text) {
    try {
        std::lock_guard lock(mutex_);
        return AppendLocked(text, Writer::kEntryLog);
    } catch (...) {
        return false;
    }
}

void EventLog::ConsoleLog(const std::string& text) {
    std::lock_guard lock(mutex_);
    ConsoleLogLocked(text);
}

void EventLog::DebugLog(const std::string& text) {
    const bool saveDebug = saveDebug_;
    const bool showDebug = showDebug_;
    if (!saveDebug && !showDebug) return;
    try {
        std::lock_guard lock(mutex_);
        if (saveDebug) AppendLocked("*" + text, Writer::kWriteLog);
        if (showDebug && lockConsole_ != nullptr) ConsoleLogLocked(":" + text);
        // Saved after the console line above, so the copy matches the console.
        if (saveDebug) SaveConsoleLocked(dataFolder_ + std::string(kDebugFileName));
    } catch (...) {
        // Tracing never disturbs the program.
    }
}

std::string EventLog::ControllerConsoleText() const {
    std::lock_guard lock(mutex_);
    return console_;
}

bool EventLog::AppendLocked(const std::string& text, Writer writer) {
    // One reading of the clock names the file and stamps the line, so a line written at
    // midnight never lands in the other day's file.
    const LocalDateTime now = clock_.Now();
    const std::string path = LogFolder() + DailyLogFileName(now);
    const bool mayCreate = writer == Writer::kEntryLog || doLog_;
    if (mayCreate && !fileSystem_.FileExists(path) && !CreateDailyFileLocked(path, now)) {
        return false;
    }
    const bool bare = writer == Writer::kEntryLog && text.empty();
    return fileSystem_.AppendToFile(path,
                                    (bare ? text : StampedLine(now, text)) + std::string(kLineEnd));
}

bool EventLog::CreateDailyFileLocked(const std::string& path, const LocalDateTime& now) {
    const std::string folder = dataFolder_ + "Logs";
    if (!fileSystem_.DirectoryExists(folder) && !fileSystem_.CreateDirectory(folder)) return false;
    // Another process may create the day's file at the same moment; either one's header stands.
    return fileSystem_.CreateNewFile(path, DailyFileHeader(now)) || fileSystem_.FileExists(path);
}

void EventLog::ConsoleLogLocked(const std::string& text) {
    const std::string line = StampedLine(clock_.Now(), text);
    AddControllerLineLocked(line);
    if (saveDebug_ && showDebug_) SaveConsoleLocked(programFolder_ + std::string(kDebugFileName));
    if (lockConsole_ != nullptr) lockConsole_->AppendLine(line);
}

void EventLog::AddControllerLineLocked(const std::string& line) {
    // The console is emptied before it would pass the limit, so the newest line always shows.
    if (console_.size() + line.size() + kLineEnd.size() > kConsoleLimit) {
        console_.clear();
        if (controllerConsole_ != nullptr) controllerConsole_->Clear();
    }
    console_ += line;
    console_ += kLineEnd;
    if (controllerConsole_ != nullptr) controllerConsole_->AppendLine(line);
}

void EventLog::SaveConsoleLocked(const std::string& path) {
    fileSystem_.CreateFile(path, console_);
}

}  // namespace ostrel
