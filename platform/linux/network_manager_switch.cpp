#include "linux/network_manager_switch.h"

#include <QDBusMessage>

namespace ostrel {

namespace {

constexpr int kCallTimeoutMs = 3000;

}  // namespace

std::optional<std::string> NetworkManagerSwitch::Enable(bool on) {
    if (!bus_.isConnected()) return "no system bus";
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.NetworkManager",
                                                       "/org/freedesktop/NetworkManager",
                                                       "org.freedesktop.NetworkManager", "Enable");
    call << on;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) return reply.errorMessage().toStdString();
    return std::nullopt;
}

}  // namespace ostrel
