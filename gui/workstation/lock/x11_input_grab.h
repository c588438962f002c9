#pragma once

#include <QWindow>

namespace ostrel {

// The keyboard and pointer held for a lock window, so that no key or click reaches another
// program. On a platform other than X11 there is nothing to hold and the grab counts as held.
class X11InputGrab {
public:
    ~X11InputGrab() { Release(); }

    // Grabs both devices for the window (again, when held already); true when both are held.
    bool Grab(const QWindow& window);
    void Release();
    bool Held() const { return held_; }

private:
    bool held_ = false;
};

}  // namespace ostrel
