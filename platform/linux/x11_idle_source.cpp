#include "linux/x11_idle_source.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include "linux/xcb_reply.h"

namespace ostrel {

X11IdleSource::X11IdleSource() : X11IdleSource(nullptr) {}

X11IdleSource::X11IdleSource(const char* displayName) {
    int screenNumber = 0;
    connection_ = xcb_connect(displayName, &screenNumber);
    if (!Connected()) return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
    if (screens.rem == 0) return;
    root_ = screens.data->root;
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection_, &xcb_screensaver_id);
    hasExtension_ = extension != nullptr && extension->present;
}

X11IdleSource::~X11IdleSource() {
    if (connection_ != nullptr) xcb_disconnect(connection_);
}

bool X11IdleSource::Connected() const {
    return connection_ != nullptr && xcb_connection_has_error(connection_) == 0;
}

bool X11IdleSource::Available() const {
    return hasExtension_ && Connected();
}

std::uint32_t X11IdleSource::SystemIdleMs() const {
    if (!Available()) return 0;
    auto info = Own(xcb_screensaver_query_info_reply(
        connection_, xcb_screensaver_query_info(connection_, root_), nullptr));
    return info ? info->ms_since_user_input : 0;
}

bool X11IdleSource::ScreenSaverOn() const {
    if (!Available()) return false;
    auto info = Own(xcb_screensaver_query_info_reply(
        connection_, xcb_screensaver_query_info(connection_, root_), nullptr));
    return info &&
           (info->state == XCB_SCREENSAVER_STATE_ON || info->state == XCB_SCREENSAVER_STATE_CYCLE);
}

std::optional<std::uint32_t> X11IdleSource::ScreenSaverTimeoutMs() const {
    if (!Connected() || root_ == 0) return std::nullopt;
    auto saver =
        Own(xcb_get_screen_saver_reply(connection_, xcb_get_screen_saver(connection_), nullptr));
    if (!saver || saver->timeout == 0) return std::nullopt;
    return std::uint32_t{saver->timeout} * 1000;
}

}  // namespace ostrel
