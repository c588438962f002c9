#include "linux/logind_power.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "linux/x11_dpms.h"

namespace ostrel {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");

}  // namespace

LogindPower::LogindPower(const QDBusConnection& bus, xcb_connection_t* display, Trace trace,
                         QObject* parent)
    : QObject(parent), bus_(bus), display_(display), trace_(std::move(trace)) {}

void LogindPower::Suspend() {
    Call(QStringLiteral("Suspend"));
}

void LogindPower::Hibernate() {
    Call(QStringLiteral("Hibernate"));
}

bool LogindPower::MonitorOff() {
    if (ForceDpmsOff(display_)) return true;
    trace_("monitor off is not supported by this display");
    return false;
}

void LogindPower::Call(const QString& method) {
    const std::string name = method.toStdString();
    if (!bus_.isConnected()) {
        trace_("logind " + name + ": no system bus");
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface, method);
    call << false;  // not interactive: no polkit question behind the lock
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, name](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<> reply = *finished;
                if (reply.isError()) {
                    trace_("logind " + name + " refused: " + reply.error().message().toStdString());
                }
                finished->deleteLater();
            });
}

}  // namespace ostrel
