#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <optional>

#include "console/discovery.h"
#include "console/remote_commands.h"

namespace ostrel {

// How long a request may take: to connect, and between bytes of the answer once connected.
struct HttpTimeouts {
    int connectMs = 4000;
    int readMs = 10000;
};

// How a request ended.
struct HttpOutcome {
    QueryEnd end = QueryEnd::kFailed;
    QString errorText;                  // for kFailed
    std::optional<CommandReply> reply;  // for kReply
};

// One GET to a workstation over its own connection. The owner calls CheckDeadline regularly;
// past a time-out the exchange gives up. Done is emitted exactly once.
class HttpExchange : public QObject {
    Q_OBJECT

public:
    HttpExchange(QString address, quint16 port, QByteArray target, HttpTimeouts timeouts,
                 QObject* parent = nullptr);
    // Ends without Done: the socket's last signals no longer reach this object.
    ~HttpExchange() override;

    const QString& Address() const { return address_; }
    void Start(qint64 nowMs);
    void CheckDeadline(qint64 nowMs);
    bool IsDone() const { return done_; }

signals:
    void Done(const ostrel::HttpOutcome& outcome);

private:
    void OnConnected();
    void OnReadyRead();
    void OnError(QAbstractSocket::SocketError error);
    void FinishWithReply();
    void Finish(HttpOutcome outcome);

    QString address_;
    quint16 port_;
    QByteArray target_;
    HttpTimeouts timeouts_;
    QTcpSocket socket_;
    QByteArray received_;
    bool connected_ = false;
    bool done_ = false;
    qint64 deadlineMs_ = 0;
    qint64 lastNowMs_ = 0;
};

}  // namespace ostrel
