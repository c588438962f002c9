#include "linux/x11_early_cover.h"

#include <xcb/xcb.h>

namespace ostrel {

X11EarlyCover::X11EarlyCover() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    if (screen == nullptr) return;
    window_ = xcb_generate_id(connection_);
    const std::uint32_t values[] = {screen->black_pixel, 1};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0,
                      screen->width_in_pixels, screen->height_in_pixels, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(connection_, window_);
    xcb_flush(connection_);
}

X11EarlyCover::~X11EarlyCover() {
    // The window goes with the connection.
    if (connection_ != nullptr) xcb_disconnect(connection_);
}

}  // namespace ostrel
