#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/event_log.h"
#include "platform/instance_channel.h"

namespace ostrel {

// What the process entry needs of the program around it.
class EntryHost {
public:
    virtual ~EntryHost() = default;

    // A screen-saver preview of this program is drawing already.
    virtual bool PreviewDrawing() = 0;
    // Draws the preview into the window until that window goes away; false when it cannot start.
    virtual bool RunPreview(std::uint32_t windowId) = 0;
    // Initialises the application and creates the tray controller.
    virtual void CreateController() = 0;
    // Runs the message loop; its result is the process's exit code.
    virtual int RunMessageLoop() = 0;
};

// The preview's parent window named in decimal; 0 (no preview) when the text is not a decimal
// window id.
std::uint32_t PreviewWindowId(const std::string& text);

// The process entry: logs the start, then stops the running instance ("/r" first), draws a
// screen-saver preview ("/p"), hands over to the running instance, or runs as the first instance.
// Returns the exit code.
int RunProcessEntry(const std::vector<std::string>& arguments, EventLog& log,
                    InstanceChannel& channel, EntryHost& host);

}  // namespace ostrel
