#include "workstation/remote/remote_endpoint.h"

#include "linux/linux_network_facts.h"
#include "workstation/process/program_version.h"

namespace ostrel {

QHostAddress RemoteListenAddress() {
    const QByteArray address = qgetenv("OSTREL_LISTEN_ADDRESS");
    return address.isEmpty() ? QHostAddress(QHostAddress::AnyIPv4)
                             : QHostAddress(QString::fromLatin1(address));
}

StartFacts CaptureStartFacts(const SystemInfo& system) {
    return {system.ComputerAddress(), MacAddressText(ListNetworkAdapters()),
            system.Workgroup(),       system.UserName(),
            kProgramVersion,          InRemoteDesktopSession()};
}

RemoteEndpoint::RemoteEndpoint(AgentEnvironment& environment, TfrmOstrel& controller,
                               const Authenticator& authenticator)
    : workstation_(environment, controller),
      commands_({environment.Settings(), authenticator, environment.Log(), environment.Files(),
                 folders_, environment.Time(), environment.System(), workstation_,
                 environment.RemoteUser(), environment.PendingMessage()},
                CaptureStartFacts(environment.System())) {
    RemoteServer::Options options;
    options.address = RemoteListenAddress();
    auto* server =
        new RemoteServer(commands_, environment.Log(), commands_.Facts().internalIp, options);
    server->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::started, server, &RemoteServer::Start);
    QObject::connect(&thread_, &QThread::finished, server, &QObject::deleteLater);
    thread_.setObjectName("remote");
    thread_.start();
}

RemoteEndpoint::~RemoteEndpoint() {
    thread_.quit();
    thread_.wait();
}

}  // namespace ostrel
