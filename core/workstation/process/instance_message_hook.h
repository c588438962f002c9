#pragma once

#include <string>

#include "common/event_log.h"
#include "platform/instance_channel.h"

namespace ostrel {

// What the instance messages act on: the tray controller.
class InstanceMessageTarget {
public:
    virtual ~InstanceMessageTarget() = default;

    virtual bool LockFormExists() const = 0;
    // Starts the lock screen (the launch timer); several requests before it fires launch once.
    virtual void StartLockScreen() = 0;
    virtual void SetCommandLineText(const std::string& text) = 0;
    // Brings the application and the controller window to the foreground.
    virtual void BringToFront() = 0;
    // Ends the process through the normal exit path.
    virtual void Terminate() = 0;
};

// The controller's reaction to a message taken from its queue: the instance messages and the
// activation message. Any other message or pair is left alone.
void HandleInstanceMessage(const InstanceMessage& message, InstanceMessageTarget& target,
                           EventLog& log);

}  // namespace ostrel
