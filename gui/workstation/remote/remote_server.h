#pragma once

#include <QHostAddress>
#include <QObject>
#include <string>

#include "common/event_log.h"
#include "workstation/remote/http_request.h"
#include "workstation/remote/remote_commands.h"

class QTcpServer;
class QTcpSocket;
class QUdpSocket;

namespace ostrel {

// The remote-control endpoint's sockets: HTTP on TCP and the discovery answers on UDP, on the
// thread the server lives on. Connections are read side by side, each with a time-out and size
// limits; their requests are handled one at a time, in the order they complete.
class RemoteServer : public QObject {
    Q_OBJECT
public:
    struct Options {
        QHostAddress address = QHostAddress::AnyIPv4;
        quint16 tcpPort = 8777;
        quint16 udpPort = 8777;
        // A connection that has not sent a whole request, or not taken its reply, by then is
        // closed.
        int timeoutMs = 10000;
        int maxConnections = 900;
        HttpRequestReader::Limits limits;
    };

    RemoteServer(RemoteCommands& commands, EventLog& log, std::string internalIp, Options options);

    // Opens the sockets; on the server's thread. Failures are traced.
    void Start();
    // The bound TCP port once started, 0 when listening failed.
    quint16 TcpPort() const;
    // The bound UDP port once started, 0 when binding failed.
    quint16 UdpPort() const;

private:
    void Accept();
    void Serve(QTcpSocket* socket, const HttpRequest& request);
    void ReadDatagrams();

    RemoteCommands& commands_;
    EventLog& log_;
    const std::string internalIp_;
    const Options options_;
    QTcpServer* tcp_ = nullptr;
    QUdpSocket* udp_ = nullptr;
    int connections_ = 0;
};

// The peer's IPv4 address as dotted text (an IPv4-mapped IPv6 address too).
std::string DottedAddress(const QHostAddress& address);

}  // namespace ostrel
