#include "event_listener.h"

#include <QNetworkDatagram>

#include "console/address_check.h"
#include "console/discovery.h"

namespace ostrel {

EventListener::EventListener(ManagerLog& log, QObject* parent) : QObject(parent), log_(log) {
    connect(&socket_, &QUdpSocket::readyRead, this, &EventListener::ReadDatagrams);
}

bool EventListener::Listen(quint16 port) {
    if (socket_.bind(QHostAddress::AnyIPv4, port)) return true;
    log_.LogLine("UDP port " + std::to_string(port) +
                 " cannot be used: " + socket_.errorString().toStdString());
    return false;
}

void EventListener::ReadDatagrams() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        bool isV4 = false;
        const quint32 v4 = datagram.senderAddress().toIPv4Address(&isV4);
        const std::string sender =
            isV4 ? NumberToAddress(v4) : datagram.senderAddress().toString().toStdString();
        const QByteArray text = datagram.data();
        for (const std::string& line : EventDatagramLines(
                 std::string_view(text.constData(), text.size()), sender, datagram.senderPort())) {
            log_.LogLine(line);
            emit EventLine(QString::fromStdString(line));
        }
    }
}

}  // namespace ostrel
