#include "linux/udp_datagram_sender.h"

#include <QHostAddress>
#include <QUdpSocket>

namespace ostrel {

void UdpDatagramSender::SendDatagram(const std::string& address, int port,
                                     const std::string& payload) {
    const QHostAddress host(QString::fromStdString(address));
    if (host.isNull() || port <= 0 || port > 65535) return;
    QUdpSocket socket;
    socket.writeDatagram(payload.data(), static_cast<qint64>(payload.size()), host,
                         static_cast<quint16>(port));
}

}  // namespace ostrel
