#include "linux/logind_shutdown.h"

#include <unistd.h>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <chrono>

namespace ostrel {

namespace {

constexpr const char* kService = "org.freedesktop.login1";
constexpr const char* kManagerPath = "/org/freedesktop/login1";
constexpr const char* kManager = "org.freedesktop.login1.Manager";
constexpr const char* kSession = "org.freedesktop.login1.Session";
constexpr int kCallTimeoutMs = 5000;

}  // namespace

LogindShutdown::LogindShutdown(const QDBusConnection& bus, Trace trace)
    : bus_(bus), trace_(std::move(trace)) {}

bool LogindShutdown::Call(const QString& path, const QString& interface, const QString& method,
                          const QVariantList& arguments, QVariant* result) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = bus_.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        trace_("logind " + method.toStdString() + ": " + reply.errorMessage().toStdString());
        return false;
    }
    if (result != nullptr && !reply.arguments().isEmpty()) *result = reply.arguments().first();
    return true;
}

bool LogindShutdown::Request(const ShutdownRequest& request) {
    if (!bus_.isConnected()) {
        trace_("logind shutdown: no system bus");
        return false;
    }
    if (request.action == ShutdownAction::kLogOff) {
        QVariant session;
        if (!Call(kManagerPath, kManager, "GetSessionByPID",
                  {QVariant::fromValue(static_cast<uint>(::getpid()))}, &session)) {
            return false;
        }
        return Call(session.value<QDBusObjectPath>().path(), kSession, "Terminate", {});
    }
    const bool reboot = request.action == ShutdownAction::kReboot;
    if (!request.comment.empty()) {
        Call(kManagerPath, kManager, "SetWallMessage",
             {QString::fromStdString(request.comment), true});
    }
    if (request.delaySeconds > 0) {
        const auto when =
            std::chrono::system_clock::now() + std::chrono::seconds(request.delaySeconds);
        const auto usec =
            std::chrono::duration_cast<std::chrono::microseconds>(when.time_since_epoch()).count();
        return Call(kManagerPath, kManager, "ScheduleShutdown",
                    {QString(reboot ? "reboot" : "poweroff"),
                     QVariant::fromValue(static_cast<qulonglong>(usec))});
    }
    return Call(kManagerPath, kManager, reboot ? "Reboot" : "PowerOff", {false});
}

}  // namespace ostrel
