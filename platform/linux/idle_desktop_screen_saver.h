#pragma once

#include <QDBusConnection>
#include <QObject>
#include <optional>

namespace ostrel {

// The desktop's screen saver as org.freedesktop.ScreenSaver offers it on the session bus. The
// desktop may offer the service later than we start, or stop offering it.
class DesktopScreenSaver : public QObject {
    Q_OBJECT

public:
    // `bus` is the session bus in the program.
    explicit DesktopScreenSaver(const QDBusConnection& bus, QObject* parent = nullptr);

    // Whether the screen saver runs; empty while no desktop offers the service.
    std::optional<bool> Active() const { return active_; }

private slots:
    void ActiveChanged(bool active);
    void ServiceRegistered();
    void ServiceUnregistered();

private:
    QDBusConnection bus_;
    std::optional<bool> active_;
};

}  // namespace ostrel
