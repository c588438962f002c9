#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

namespace ostrel {

// Watches the screen for other programs' windows that map themselves or change their place in
// the stack (notifications, override-redirect pop-ups, windows kept above) and calls `restack`
// soon after, so the lock is on top again within a fraction of a second. Several changes in a
// row give one call.
class WindowRestacker : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    using Trace = std::function<void(const std::string&)>;

    WindowRestacker(std::function<void()> restack, Trace trace);
    ~WindowRestacker() override;

    void Start();
    void Stop();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Changed(xcb_window_t window, const char* what);

    std::function<void()> restack_;
    Trace trace_;
    QTimer pending_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    std::uint32_t rootMask_ = 0;  // the root window's event mask before the watch
    bool watching_ = false;
};

}  // namespace ostrel
