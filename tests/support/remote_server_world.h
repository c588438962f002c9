#pragma once

#include <QMetaObject>
#include <QThread>

#include "common/authorization.h"
#include "common/passwords.h"
#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/fake_folder_listing.h"
#include "fake/fake_system_info.h"
#include "fake/recording_dialogs.h"
#include "fake/recording_remote_workstation.h"
#include "workstation/remote/remote_commands.h"
#include "workstation/remote/remote_server.h"

namespace ostrel {

// A remote-control server on 127.0.0.1 (ephemeral port, own thread) over in-memory settings with
// the master password "secret"; the workstation records what the requests ask of it.
class RemoteServerWorld {
public:
    static RemoteServer::Options LoopbackOptions(int timeoutMs) {
        RemoteServer::Options options;
        options.address = QHostAddress::LocalHost;
        options.tcpPort = 0;
        options.udpPort = 0;
        options.timeoutMs = timeoutMs;
        return options;
    }

    explicit RemoteServerWorld(RemoteServer::Options options) {
        files.AddDirectories("/prog");
        files.AddDirectories("/data");
        settings.Modify([](TOstrelSettings& s) {
            s.passwordHash = HashPassword("secret");
            s.MasterIP = "10.0.0.5";
        });
        auto* server = new RemoteServer(commands, log, "10.0.0.5", options);
        server->moveToThread(&thread_);
        QObject::connect(&thread_, &QThread::finished, server, &QObject::deleteLater);
        thread_.start();
        QMetaObject::invokeMethod(
            server,
            [this, server] {
                server->Start();
                port = server->TcpPort();
                udpPort = server->UdpPort();
            },
            Qt::BlockingQueuedConnection);
    }
    ~RemoteServerWorld() {
        thread_.quit();
        thread_.wait();
    }

    FakeFileSystem files;
    FakeClock clock;
    EventLog log{files, clock, "/data/", "/prog/"};
    RecordingDialogs dialogs;
    OstrelSettingsStore settings{
        files, log, dialogs, {"/prog/", "/savers/", "10.0.0.5"}, "/config/"};
    UserList users{files, "/prog/userlist.dat"};
    class NoLockForm : public LockFormState {
    public:
        LockFormStatus Status() const override { return LockFormStatus::kAbsent; }
        void ReleaseMenuButton() override {}
        void ConsoleAppend(const std::string&) override {}
    } lockForm;
    Authenticator authenticator{settings, users, log, lockForm};
    FakeFolderListing folders;
    FakeSystemInfo system;
    RecordingRemoteWorkstation workstation;
    LastRemoteUser lastRemoteUser;
    PendingRemoteMessage pendingMessage;
    RemoteCommands commands{{settings, authenticator, log, files, folders, clock, system,
                             workstation, lastRemoteUser, pendingMessage},
                            {"10.0.0.5", "00-11-22-33-44-55", "(n/a)", "tester", "3.0.0.0", false}};
    // The bound port, 0 when listening failed.
    quint16 port = 0;
    quint16 udpPort = 0;

private:
    QThread thread_;
};

}  // namespace ostrel
