#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <optional>
#include <string>

namespace ostrel {

// The lock's requests to logind about its own login session: a block inhibitor that keeps
// shut-down, reboot and the power and sleep keys away while locked, and the session's own lock.
class LogindSession {
public:
    explicit LogindSession(const QDBusConnection& bus) : bus_(bus) {}

    // Takes the inhibitor (again, when held); nothing when held, else why not.
    std::optional<std::string> Inhibit();
    void ReleaseInhibitor() { inhibitor_ = QDBusUnixFileDescriptor(); }
    bool Inhibiting() const { return inhibitor_.isValid(); }
    // Session.Lock of the caller's session; nothing when logind took it, else why not.
    std::optional<std::string> LockSession();

private:
    QDBusConnection bus_;
    QDBusUnixFileDescriptor inhibitor_;
};

}  // namespace ostrel
