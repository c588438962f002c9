#include "http_exchange.h"

namespace ostrel {

HttpExchange::HttpExchange(QString address, quint16 port, QByteArray target, HttpTimeouts timeouts,
                           QObject* parent)
    : QObject(parent),
      address_(std::move(address)),
      port_(port),
      target_(std::move(target)),
      timeouts_(timeouts) {
    connect(&socket_, &QTcpSocket::connected, this, &HttpExchange::OnConnected);
    connect(&socket_, &QTcpSocket::readyRead, this, &HttpExchange::OnReadyRead);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &HttpExchange::OnError);
    connect(&socket_, &QTcpSocket::disconnected, this, &HttpExchange::FinishWithReply);
}

HttpExchange::~HttpExchange() { disconnect(&socket_, nullptr, this, nullptr); }

void HttpExchange::Start(qint64 nowMs) {
    lastNowMs_ = nowMs;
    deadlineMs_ = nowMs + timeouts_.connectMs;
    socket_.connectToHost(address_, port_);
}

void HttpExchange::CheckDeadline(qint64 nowMs) {
    lastNowMs_ = nowMs;
    if (done_ || nowMs < deadlineMs_) return;
    if (connected_) {
        Finish({QueryEnd::kFailed, QStringLiteral("Read timed out"), std::nullopt});
    } else {
        Finish({QueryEnd::kConnectTimeout, QString(), std::nullopt});
    }
}

void HttpExchange::OnConnected() {
    connected_ = true;
    deadlineMs_ = lastNowMs_ + timeouts_.readMs;
    const QByteArray host = address_.toLatin1() + ":" + QByteArray::number(port_);
    socket_.write("GET " + target_ + " HTTP/1.1\r\nHost: " + host +
                  "\r\nAccept: text/html, */*\r\nUser-Agent: Ostrel Manager\r\n"
                  "Connection: close\r\n\r\n");
}

void HttpExchange::OnReadyRead() {
    received_ += socket_.readAll();
    deadlineMs_ = lastNowMs_ + timeouts_.readMs;
}

void HttpExchange::OnError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) {
        FinishWithReply();
        return;
    }
    Finish({QueryEnd::kFailed, socket_.errorString(), std::nullopt});
}

void HttpExchange::FinishWithReply() {
    if (done_) return;
    received_ += socket_.readAll();
    auto reply = ParseCommandReply(std::string_view(received_.constData(), received_.size()));
    if (!reply) {
        Finish({QueryEnd::kFailed, QStringLiteral("No HTTP answer"), std::nullopt});
        return;
    }
    Finish({QueryEnd::kReply, QString(), std::move(reply)});
}

void HttpExchange::Finish(HttpOutcome outcome) {
    if (done_) return;
    done_ = true;
    socket_.abort();
    emit Done(outcome);
}

}  // namespace ostrel
