#pragma once

#include <xcb/xcb.h>

#include <QDBusConnection>
#include <QObject>
#include <functional>
#include <string>

#include "platform/power_control.h"

namespace ostrel {

// Stand-by and hibernation through logind (org.freedesktop.login1 Manager.Suspend/Hibernate,
// not interactive), monitor off through the X server's DPMS. Without the system bus, logind or
// DPMS it traces why and goes on.
class LogindPower : public QObject, public PowerControl {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    // `bus` is the system bus in the program; `display` may be null (no X display).
    LogindPower(const QDBusConnection& bus, xcb_connection_t* display, Trace trace,
                QObject* parent = nullptr);

    void Suspend() override;
    void Hibernate() override;
    bool MonitorOff() override;

private:
    void Call(const QString& method);

    QDBusConnection bus_;
    xcb_connection_t* display_;
    Trace trace_;
};

}  // namespace ostrel
