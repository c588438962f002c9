#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <string>

namespace ostrel {

// Suspend and resume notifications and the lock state of this process's session, from logind
// (org.freedesktop.login1). Without the bus or logind it traces why and goes on: no power
// events, session never locked.
class LogindWatcher : public QObject {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    // `bus` is the system bus in the program. The session is $XDG_SESSION_ID's, else the one
    // this process belongs to.
    LogindWatcher(const QDBusConnection& bus, Trace trace, QObject* parent = nullptr);

    // The session's LockedHint as last announced; false when unknown.
    bool SessionLocked() const { return locked_; }

signals:
    // kPowerSuspend before the system sleeps, kPowerResumeSuspend once it woke.
    void PowerEvent(int event);

private slots:
    void PrepareForSleep(bool start);
    void SessionPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                  const QStringList& invalidated);

private:
    QString FindSession();
    void ReadLockedHint();

    QDBusConnection bus_;
    Trace trace_;
    QString sessionPath_;
    bool locked_ = false;
};

}  // namespace ostrel
