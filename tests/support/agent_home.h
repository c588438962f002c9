#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

namespace ostrel {

// A private home for an agent inside a widget test: program, data, config and runtime folders in
// a temporary folder, named by the environment variables the agent reads, and no D-Bus. The
// variables get their old values back when it goes.
class AgentHome {
public:
    AgentHome() {
        const QString root = home_.path();
        for (const char* folder : {"prog", "data", "config", "run"}) QDir(root).mkpath(folder);
        Set("HOME", root);
        Set("OSTREL_HOME", root + "/prog/");
        Set("XDG_DATA_HOME", root + "/data");
        Set("XDG_CONFIG_HOME", root + "/config");
        Set("XDG_RUNTIME_DIR", root + "/run");
        Set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + root + "/run/no-bus");
        Set("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + root + "/run/no-bus");
    }
    ~AgentHome() {
        for (const auto& [name, value] : saved_) qputenv(name.c_str(), value);
    }
    AgentHome(const AgentHome&) = delete;
    AgentHome& operator=(const AgentHome&) = delete;

    bool IsValid() const { return home_.isValid(); }
    // The program folder, with a trailing "/".
    QString ProgramFolder() const { return home_.path() + "/prog/"; }

private:
    void Set(const char* name, const QString& value) {
        saved_.emplace_back(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    }

    QTemporaryDir home_;
    std::vector<std::pair<std::string, QByteArray>> saved_;
};

// A closed agent form asked the application to quit; one short run of its loop clears that for
// the tests that follow.
inline void ClearQuitRequest() {
    QCoreApplication::processEvents();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

}  // namespace ostrel
