#pragma once

#include <string>

namespace ostrel {

// The console's log: full lines, short lines (":" + text) and text added to the last line.
class ManagerLog {
public:
    virtual ~ManagerLog() = default;
    virtual void LogLine(const std::string& text) = 0;
    virtual void LogAppend(const std::string& text) = 0;
    void LogShort(const std::string& text) { LogLine(":" + text); }
};

}  // namespace ostrel
