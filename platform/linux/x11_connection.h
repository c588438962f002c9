#pragma once

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>

namespace ostrel {

// The application's own X connection; null on other platforms (offscreen, Wayland).
inline xcb_connection_t* QtX11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

// True for a top-level window of this program.
inline bool IsOwnX11Window(xcb_window_t window) {
    for (const QWindow* own : QGuiApplication::allWindows()) {
        if (own->handle() != nullptr && static_cast<xcb_window_t>(own->winId()) == window) {
            return true;
        }
    }
    return false;
}

}  // namespace ostrel
