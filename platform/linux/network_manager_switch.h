#pragma once

#include <QDBusConnection>
#include <optional>
#include <string>

namespace ostrel {

// Network access switched off and on through NetworkManager (Manager.Enable, as
// `nmcli networking off/on`) on the system bus.
class NetworkManagerSwitch {
public:
    explicit NetworkManagerSwitch(const QDBusConnection& bus) : bus_(bus) {}

    // Nothing when NetworkManager did it; otherwise why not (absent, refused).
    std::optional<std::string> Enable(bool on);

private:
    QDBusConnection bus_;
};

}  // namespace ostrel
