#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ostrel {

// Other programs' top-level windows as an EWMH window manager lists them, and the requests the
// lock makes of them. Without a display (null connection) there are no windows and requests do
// nothing.
class EwmhWindows {
public:
    explicit EwmhWindows(xcb_connection_t* connection);

    bool HasDisplay() const { return connection_ != nullptr; }
    xcb_window_t Root() const { return root_; }
    // _NET_CLIENT_LIST: the managed windows, oldest first.
    std::vector<xcb_window_t> ClientWindows() const;
    // _NET_WM_NAME, else WM_NAME; empty when the window has no title.
    std::string Title(xcb_window_t window) const;
    // The class part of WM_CLASS ("Gnome-system-monitor").
    std::string ClassName(xcb_window_t window) const;
    std::optional<pid_t> Pid(xcb_window_t window) const;
    bool IsDock(xcb_window_t window) const;
    // _NET_ACTIVE_WINDOW; XCB_NONE when there is none.
    xcb_window_t ActiveWindow() const;
    // The window that has the keyboard focus; XCB_NONE when none has.
    xcb_window_t InputFocus() const;

    // Asks the window manager to close the window (_NET_CLOSE_WINDOW).
    void Close(xcb_window_t window);
    // Puts the window at the bottom of the stack without activating, moving or sizing it.
    void Lower(xcb_window_t window);
    // _NET_SHOWING_DESKTOP: every window minimised.
    void ShowDesktop();
    void Unmap(xcb_window_t window);
    void Map(xcb_window_t window);

private:
    xcb_atom_t Atom(const char* name) const;
    std::vector<std::uint32_t> Cardinals(xcb_window_t window, const char* property,
                                         xcb_atom_t type) const;
    std::optional<std::string> Text(xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type) const;
    void SendToRoot(xcb_window_t window, const char* message, std::uint32_t data0,
                    std::uint32_t data1 = 0);

    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
    mutable std::map<std::string, xcb_atom_t> atoms_;
};

}  // namespace ostrel
