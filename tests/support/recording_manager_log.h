#pragma once

#include <string>
#include <vector>

#include "console/manager_log.h"

namespace ostrel {

// Keeps the console log as lines.
class RecordingManagerLog : public ManagerLog {
public:
    void LogLine(const std::string& text) override { lines.push_back(text); }
    void LogAppend(const std::string& text) override {
        if (lines.empty()) lines.emplace_back();
        lines.back() += text;
    }

    std::vector<std::string> lines;
};

}  // namespace ostrel
