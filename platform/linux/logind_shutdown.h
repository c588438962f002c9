#pragma once

#include <QDBusConnection>
#include <functional>
#include <string>

#include "workstation/remote/shutdown_flags.h"

namespace ostrel {

// Powers off, reboots or ends this session through logind (org.freedesktop.login1), without
// asking polkit interactively. A delay schedules the power-off or reboot; a comment becomes the
// wall message. Any thread: each call waits for logind's answer.
class LogindShutdown {
public:
    using Trace = std::function<void(const std::string&)>;

    LogindShutdown(const QDBusConnection& bus, Trace trace);

    // True when logind took the request.
    bool Request(const ShutdownRequest& request);

private:
    bool Call(const QString& path, const QString& interface, const QString& method,
              const QVariantList& arguments, QVariant* result = nullptr);

    QDBusConnection bus_;
    Trace trace_;
};

}  // namespace ostrel
