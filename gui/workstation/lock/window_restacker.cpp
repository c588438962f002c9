#include "workstation/lock/window_restacker.h"

#include <QCoreApplication>
#include <cstdlib>

#include "linux/x11_connection.h"

namespace ostrel {

namespace {

// Long enough to merge one window's burst of map and configure events.
constexpr int kRestackDelayMs = 50;

}  // namespace

WindowRestacker::WindowRestacker(std::function<void()> restack, Trace trace)
    : restack_(std::move(restack)), trace_(std::move(trace)) {
    pending_.setSingleShot(true);
    pending_.setInterval(kRestackDelayMs);
    connect(&pending_, &QTimer::timeout, this, [this] { restack_(); });
}

WindowRestacker::~WindowRestacker() {
    Stop();
}

void WindowRestacker::Start() {
    if (watching_) return;
    connection_ = QtX11Connection();
    if (connection_ == nullptr) return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // The toolkit listens on the root window too: its events stay selected.
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, root_), nullptr);
    rootMask_ = attributes != nullptr ? attributes->your_event_mask : 0;
    std::free(attributes);
    const std::uint32_t mask = rootMask_ | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
    watching_ = true;
}

void WindowRestacker::Stop() {
    if (!watching_) return;
    watching_ = false;
    pending_.stop();
    QCoreApplication::instance()->removeNativeEventFilter(this);
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootMask_);
    xcb_flush(connection_);
}

bool WindowRestacker::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
        case XCB_MAP_NOTIFY: {
            const auto* map = static_cast<const xcb_map_notify_event_t*>(message);
            if (map->event == root_) Changed(map->window, "mapped");
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
            if (configure->event == root_) Changed(configure->window, "restacked");
            break;
        }
        default:
            break;
    }
    return false;
}

void WindowRestacker::Changed(xcb_window_t window, const char* what) {
    if (pending_.isActive() || IsOwnX11Window(window)) return;
    trace_("Restack: window " + std::to_string(window) + " " + what + ", lock raised");
    pending_.start();
}

}  // namespace ostrel
