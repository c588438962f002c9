#include "workstation/lock/x11_input_grab.h"

#include <xcb/xcb.h>

#include <QGuiApplication>

#include "linux/x11_connection.h"

namespace ostrel {

bool X11InputGrab::Grab(const QWindow& window) {
    xcb_connection_t* connection = QtX11Connection();
    if (connection == nullptr) {
        held_ = true;
        return held_;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    auto keyboardCookie = xcb_grab_keyboard(connection, 1, id, XCB_CURRENT_TIME,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    auto pointerCookie = xcb_grab_pointer(
        connection, 1, id,
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION,
        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_keyboard_reply_t* keyboard =
        xcb_grab_keyboard_reply(connection, keyboardCookie, nullptr);
    xcb_grab_pointer_reply_t* pointer = xcb_grab_pointer_reply(connection, pointerCookie, nullptr);
    held_ = keyboard != nullptr && keyboard->status == XCB_GRAB_STATUS_SUCCESS &&
            pointer != nullptr && pointer->status == XCB_GRAB_STATUS_SUCCESS;
    free(keyboard);
    free(pointer);
    return held_;
}

void X11InputGrab::Release() {
    if (!held_) return;
    held_ = false;
    if (xcb_connection_t* connection = QtX11Connection()) {
        xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

}  // namespace ostrel
