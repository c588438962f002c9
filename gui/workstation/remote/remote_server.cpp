#include "workstation/remote/remote_server.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

#include "workstation/remote/discovery.h"

namespace ostrel {

namespace {

constexpr int kListenBacklog = 256;

// Drops the connection without a reply.
void Close(QTcpSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

}  // namespace

std::string DottedAddress(const QHostAddress& address) {
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return (isIpv4 ? QHostAddress(ipv4) : address).toString().toStdString();
}

RemoteServer::RemoteServer(RemoteCommands& commands, EventLog& log, std::string internalIp,
                           Options options)
    : commands_(commands), log_(log), internalIp_(std::move(internalIp)), options_(options) {}

void RemoteServer::Start() {
    tcp_ = new QTcpServer(this);
    tcp_->setMaxPendingConnections(options_.maxConnections);
    // Bursts of new connections wait in the kernel rather than retrying their SYN a second later.
    tcp_->setListenBacklogSize(kListenBacklog);
    connect(tcp_, &QTcpServer::newConnection, this, &RemoteServer::Accept);
    if (!tcp_->listen(options_.address, options_.tcpPort)) {
        log_.DebugLog("HTTP server: cannot listen on port " + std::to_string(options_.tcpPort) +
                      ": " + tcp_->errorString().toStdString());
    }
    udp_ = new QUdpSocket(this);
    connect(udp_, &QUdpSocket::readyRead, this, &RemoteServer::ReadDatagrams);
    if (!udp_->bind(options_.address, options_.udpPort)) {
        log_.DebugLog("UDP server: cannot bind port " + std::to_string(options_.udpPort) + ": " +
                      udp_->errorString().toStdString());
    }
}

quint16 RemoteServer::TcpPort() const {
    return tcp_ != nullptr && tcp_->isListening() ? tcp_->serverPort() : 0;
}

quint16 RemoteServer::UdpPort() const {
    return udp_ != nullptr && udp_->state() == QAbstractSocket::BoundState ? udp_->localPort() : 0;
}

void RemoteServer::Accept() {
    while (QTcpSocket* socket = tcp_->nextPendingConnection()) {
        if (connections_ >= options_.maxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++connections_;
        auto reader = std::make_shared<HttpRequestReader>(options_.limits);
        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, socket, [socket] { Close(socket); });
        connect(socket, &QObject::destroyed, this, [this] { --connections_; });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, reader, timer] {
            const QByteArray bytes = socket->readAll();
            if (reader->Current() != HttpRequestReader::State::kIncomplete) return;
            switch (reader->Feed(std::string_view(bytes.constData(), bytes.size()))) {
                case HttpRequestReader::State::kIncomplete:
                    return;
                case HttpRequestReader::State::kRefused:
                    Close(socket);
                    return;
                case HttpRequestReader::State::kComplete:
                    timer->start(options_.timeoutMs);  // now for taking the reply
                    Serve(socket, reader->Request());
                    return;
            }
        });
        timer->start(options_.timeoutMs);
    }
}

void RemoteServer::Serve(QTcpSocket* socket, const HttpRequest& request) {
    const std::string reply = commands_.Serve(request, DottedAddress(socket->peerAddress()));
    socket->write(reply.data(), static_cast<qint64>(reply.size()));
    socket->disconnectFromHost();
}

void RemoteServer::ReadDatagrams() {
    while (udp_->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = udp_->receiveDatagram();
        if (!datagram.isValid()) continue;
        const QByteArray data = datagram.data();
        const DiscoveryDatagram received{
            std::string(data.constData(), data.size()), DottedAddress(datagram.senderAddress()),
            datagram.senderPort(), DottedAddress(udp_->localAddress())};
        const std::optional<std::string> answer = DiscoveryAnswer(received, internalIp_, log_);
        if (!answer) continue;
        udp_->writeDatagram(QByteArray::fromStdString(*answer), datagram.senderAddress(),
                            static_cast<quint16>(datagram.senderPort()));
    }
}

}  // namespace ostrel
