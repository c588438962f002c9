#include "linux/logind_session.h"

#include <QDBusMessage>

namespace ostrel {

namespace {

constexpr int kCallTimeoutMs = 3000;
const QString kService = QStringLiteral("org.freedesktop.login1");
// What the lock keeps from the user: shutting down or rebooting, and the keys that would.
const QString kInhibited = QStringLiteral(
    "shutdown:handle-power-key:handle-suspend-key:handle-hibernate-key:handle-lid-switch");

std::optional<std::string> ErrorOf(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) return reply.errorMessage().toStdString();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> LogindSession::Inhibit() {
    if (!bus_.isConnected()) return "no system bus";
    QDBusMessage call = QDBusMessage::createMethodCall(kService, "/org/freedesktop/login1",
                                                       "org.freedesktop.login1.Manager", "Inhibit");
    call << kInhibited << QStringLiteral("Ostrel 3.0")
         << QStringLiteral("The workstation is locked") << QStringLiteral("block");
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (auto error = ErrorOf(reply)) return error;
    const QVariantList values = reply.arguments();
    if (values.isEmpty()) return "no inhibitor handed out";
    inhibitor_ = values.front().value<QDBusUnixFileDescriptor>();
    if (!inhibitor_.isValid()) return "no inhibitor handed out";
    return std::nullopt;
}

std::optional<std::string> LogindSession::LockSession() {
    if (!bus_.isConnected()) return "no system bus";
    // "auto" names the session of the calling process.
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, "/org/freedesktop/login1/session/auto", "org.freedesktop.login1.Session", "Lock");
    return ErrorOf(bus_.call(call, QDBus::Block, kCallTimeoutMs));
}

}  // namespace ostrel
