#include "linux/logind_watcher.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include "platform/sleep_events.h"

namespace ostrel {
namespace {

const QString kService = QStringLiteral("org.freedesktop.login1");
const QString kManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString kManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString kSessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kLockedHint = QStringLiteral("LockedHint");
constexpr int kCallTimeoutMs = 2000;

}  // namespace

LogindWatcher::LogindWatcher(const QDBusConnection& bus, Trace trace, QObject* parent)
    : QObject(parent), bus_(bus), trace_(std::move(trace)) {
    if (!bus_.isConnected()) {
        trace_("logind: no system bus");
        return;
    }
    if (!bus_.connect(kService, kManagerPath, kManagerInterface, QStringLiteral("PrepareForSleep"),
                      this, SLOT(PrepareForSleep(bool)))) {
        trace_("logind: cannot watch PrepareForSleep");
    }
    sessionPath_ = FindSession();
    if (sessionPath_.isEmpty()) return;
    bus_.connect(kService, sessionPath_, kPropertiesInterface, QStringLiteral("PropertiesChanged"),
                 this, SLOT(SessionPropertiesChanged(QString, QVariantMap, QStringList)));
    ReadLockedHint();
}

QString LogindWatcher::FindSession() {
    const QByteArray sessionId = qgetenv("XDG_SESSION_ID");
    QDBusMessage call;
    if (sessionId.isEmpty()) {
        call = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                              QStringLiteral("GetSessionByPID"));
        call << static_cast<uint>(QCoreApplication::applicationPid());
    } else {
        call = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                              QStringLiteral("GetSession"));
        call << QString::fromLocal8Bit(sessionId);
    }
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        trace_("logind: no session: " + reply.errorMessage().toStdString());
        return {};
    }
    return qvariant_cast<QDBusObjectPath>(reply.arguments().first()).path();
}

void LogindWatcher::ReadLockedHint() {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, sessionPath_, kPropertiesInterface,
                                                       QStringLiteral("Get"));
    call << kSessionInterface << kLockedHint;
    const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        trace_("logind: no LockedHint: " + reply.errorMessage().toStdString());
        return;
    }
    locked_ = qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toBool();
}

void LogindWatcher::PrepareForSleep(bool start) {
    emit PowerEvent(start ? kPowerSuspend : kPowerResumeSuspend);
}

void LogindWatcher::SessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                             const QStringList& invalidated) {
    if (interface != kSessionInterface) return;
    if (const auto hint = changed.constFind(kLockedHint); hint != changed.constEnd()) {
        locked_ = hint->toBool();
    } else if (invalidated.contains(kLockedHint)) {
        ReadLockedHint();
    }
}

}  // namespace ostrel
