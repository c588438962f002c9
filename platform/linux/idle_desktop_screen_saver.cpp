#include "linux/idle_desktop_screen_saver.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusServiceWatcher>

namespace ostrel {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr int kCallTimeoutMs = 2000;

QDBusMessage GetActiveCall() {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetActive"));
}

}  // namespace

DesktopScreenSaver::DesktopScreenSaver(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus) {
    if (!bus_.isConnected()) return;
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActiveChanged"), this,
                 SLOT(ActiveChanged(bool)));
    auto* watcher = new QDBusServiceWatcher(
        kService, bus_,
        QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &DesktopScreenSaver::ServiceRegistered);
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &DesktopScreenSaver::ServiceUnregistered);
    if (!bus_.interface()->isServiceRegistered(kService)) return;
    const QDBusReply<bool> reply = bus_.call(GetActiveCall(), QDBus::Block, kCallTimeoutMs);
    if (reply.isValid()) active_ = reply.value();
}

void DesktopScreenSaver::ActiveChanged(bool active) {
    active_ = active;
}

void DesktopScreenSaver::ServiceRegistered() {
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(GetActiveCall(), kCallTimeoutMs), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<bool> reply = *done;
        if (reply.isValid()) active_ = reply.value();
        done->deleteLater();
    });
}

void DesktopScreenSaver::ServiceUnregistered() {
    active_.reset();
}

}  // namespace ostrel
