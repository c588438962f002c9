#include "workstation/process/process_entry.h"

#include <limits>

#include "workstation/process/command_line.h"
#include "workstation/process/instance_messages.h"

namespace ostrel {

namespace {

// Draws the preview when one is asked for and none is drawing; true when it ran.
bool PreviewRan(const std::vector<std::string>& arguments, EventLog& log, EntryHost& host) {
    if (host.PreviewDrawing()) {
        log.EntryLog("dpr: preview drawing already");
        return false;
    }
    log.EntryLog("dpr: preview not drawing");
    if (EntryArgumentText(arguments).find("/p") == std::string::npos) return false;
    const std::uint32_t windowId = arguments.size() > 1 ? PreviewWindowId(arguments[1]) : 0;
    return windowId != 0 && host.RunPreview(windowId);
}

}  // namespace

std::uint32_t PreviewWindowId(const std::string& text) {
    constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > kLargest) return 0;
    }
    return static_cast<std::uint32_t>(value);
}

int RunProcessEntry(const std::vector<std::string>& arguments, EventLog& log,
                    InstanceChannel& channel, EntryHost& host) {
    log.EntryLog("");
    log.EntryLog("dpr: start! : " + EntryArgumentText(arguments));
    if (!arguments.empty() && arguments.front() == "/r") {
        log.EntryLog("dpr: /r in paramstr");
        if (!channel.SendToRunningInstance(kTerminateRequest)) {
            log.EntryLog("FindWindow resulted in 0!");
        }
        return 0;
    }
    if (PreviewRan(arguments, log, host)) return 0;
    if (!channel.ClaimFirstInstance()) {
        channel.SendToRunningInstance(kActivationMessage);
        log.EntryLog("dpr: AppIsRunning = true, so exit");
        return 0;
    }
    host.CreateController();
    log.EntryLog("Starting Ostrel");
    return host.RunMessageLoop();
}

}  // namespace ostrel
