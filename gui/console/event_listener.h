#pragma once

#include <QObject>
#include <QUdpSocket>
#include <string>

#include "console/manager_log.h"

namespace ostrel {

// The console's ear for the workstations' security and power events on UDP 8778: every
// datagram becomes console log lines. GUI thread.
class EventListener : public QObject {
    Q_OBJECT

public:
    explicit EventListener(ManagerLog& log, QObject* parent = nullptr);

    // False, with the reason logged, when the port cannot be had.
    bool Listen(quint16 port);

signals:
    void EventLine(const QString& line);

private:
    void ReadDatagrams();

    ManagerLog& log_;
    QUdpSocket socket_;
};

}  // namespace ostrel
