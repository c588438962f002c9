#pragma once

#include <cstdint>

struct xcb_connection_t;

namespace ostrel {

// A plain black window over the whole X screen, shown by a process that is about to lock before
// its toolkit has started, so the desktop is hidden from the first moment. It holds no input:
// the lock form takes the keyboard when it comes up, and this window goes away after it.
class X11EarlyCover {
public:
    // Connects to the display of $DISPLAY and maps the window; does nothing without a display.
    X11EarlyCover();
    ~X11EarlyCover();
    X11EarlyCover(const X11EarlyCover&) = delete;
    X11EarlyCover& operator=(const X11EarlyCover&) = delete;

    bool Shown() const { return window_ != 0; }

private:
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t window_ = 0;
};

}  // namespace ostrel
