#pragma once

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace ostrel {

// The X server's view of the session's input, read over a connection of its own (the program's
// Qt may run on another platform). Without a display, or on a server without the
// MIT-SCREEN-SAVER extension, the idle time reads 0 and the screen saver reads off. The readings
// may be taken from any thread.
class X11IdleSource {
public:
    // The display named by $DISPLAY.
    X11IdleSource();
    explicit X11IdleSource(const char* displayName);
    ~X11IdleSource();
    X11IdleSource(const X11IdleSource&) = delete;
    X11IdleSource& operator=(const X11IdleSource&) = delete;

    // The server answers the idle-time query.
    bool Available() const;
    // Milliseconds since the last keyboard or mouse input the server saw; 0 when unavailable.
    std::uint32_t SystemIdleMs() const;
    // The server's own screen saver is showing.
    bool ScreenSaverOn() const;
    // The server's screen-saver time-out; empty when its screen saver is switched off.
    std::optional<std::uint32_t> ScreenSaverTimeoutMs() const;

private:
    bool Connected() const;

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    bool hasExtension_ = false;
};

}  // namespace ostrel
