#pragma once

#include <cstdint>
#include <optional>

namespace ostrel {

// What the desktop session tells about its user's presence.
class IdleSources {
public:
    virtual ~IdleSources() = default;

    // Milliseconds since the last keyboard or mouse input anywhere in the session; 0 when the
    // session cannot tell.
    virtual std::uint32_t SystemIdleMs() const = 0;
    // Milliseconds since the last keyboard or mouse input to this program's windows.
    virtual std::uint32_t ApplicationIdleMs() const = 0;
    virtual bool SessionLocked() const = 0;
    virtual bool ScreenSaverRunning() const = 0;
    // The desktop's screen-saver time-out while its screen saver is switched on; empty when off.
    virtual std::optional<std::uint32_t> ScreenSaverTimeoutMs() const = 0;
};

// The period timer of an idle watch. Its owner delivers each period's tick to the watch.
class IdleWatchTimer {
public:
    virtual ~IdleWatchTimer() = default;
    virtual void Start(std::uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
};

}  // namespace ostrel
