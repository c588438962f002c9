#include "console_network.h"

#include <QHostAddress>
#include <QNetworkDatagram>

#include "console/address_check.h"

namespace ostrel {

ConsoleNetwork::ConsoleNetwork(ConsoleNetworkSettings settings, ConsoleCredentials credentials,
                               ComputerTableModel& computers, ManagerLog& log, QObject* parent)
    : QObject(parent),
      settings_(std::move(settings)),
      credentials_(std::move(credentials)),
      computers_(computers),
      log_(log),
      pool_(settings_.maxInFlight, settings_.commandPort) {
    connect(&pool_, &RequestPool::InFlightChanged, this, &ConsoleNetwork::WorkersChanged);
    connect(&autoRefresh_, &QTimer::timeout, this, &ConsoleNetwork::BroadcastDiscovery);
    receiveWindow_.setSingleShot(true);
    connect(&receiveWindow_, &QTimer::timeout, this, &ConsoleNetwork::EndReceiveWindow);
    connect(&discoverySocket_, &QUdpSocket::readyRead, this, [this] {
        while (discoverySocket_.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = discoverySocket_.receiveDatagram();
            if (!answers_) continue;  // a late answer after the window closed
            QHostAddress sender = datagram.senderAddress();
            bool isV4 = false;
            const quint32 v4 = sender.toIPv4Address(&isV4);
            const QByteArray text = datagram.data();
            answers_->Receive(std::string(text.constData(), static_cast<std::size_t>(text.size())),
                              isV4 ? NumberToAddress(v4) : std::string());
        }
    });
}

PoolJob ConsoleNetwork::StatusJob(const std::string& address, std::function<void()> ended) {
    const CommandRequest query = QueryRequest();
    log_.LogLine(RequestLogLine(query, address, credentials_));
    const std::string target = CommandTarget(query.command, credentials_, query.params);
    return {QString::fromStdString(address),
            QByteArray::fromStdString(target),
            {settings_.scanTimeoutMs, settings_.readTimeoutMs},
            [this, address, ended = std::move(ended)](const HttpOutcome& outcome) {
                OnStatusOutcome(address, outcome);
                if (ended) ended();
            }};
}

void ConsoleNetwork::OnStatusOutcome(const std::string& address, const HttpOutcome& outcome) {
    const std::string body = outcome.reply ? outcome.reply->body : std::string();
    if (CheckStatusReply(log_, address, outcome.end, outcome.errorText.toStdString(), body)) {
        emit ComputerMerged(computers_.MergeStatusReport(body));
    }
}

void ConsoleNetwork::FinishScanWhenDone() {
    if (scanRunning_ && scanQueries_ == 0 && scanNext_ >= scanLast_) {
        scanRunning_ = false;
        emit ScanFinished();
    }
}

void ConsoleNetwork::BroadcastDiscovery() {
    if (discoveryRunning_) return;
    discoveryRunning_ = true;
    log_.LogLine("UDP Broadcast..");
    if (discoverySocket_.state() != QAbstractSocket::BoundState) {
        discoverySocket_.bind(QHostAddress::AnyIPv4, 0);
    }
    const QByteArray datagram = QByteArray::fromStdString(DiscoveryDatagram(settings_.ownAddress));
    for (const std::string& target : settings_.broadcastAddresses) {
        if (discoverySocket_.writeDatagram(datagram, QHostAddress(QString::fromStdString(target)),
                                           settings_.discoveryPort) < 0) {
            log_.LogLine("UDP Broadcast to " + target +
                         " failed: " + discoverySocket_.errorString().toStdString());
        }
    }
    answers_ = std::make_unique<DiscoveryAnswers>(log_);
    receiveWindow_.start(settings_.udpTimeoutMs);
}

void ConsoleNetwork::EndReceiveWindow() {
    const std::vector<std::string> found = answers_->Found();
    answers_.reset();
    computers_.Prune(found);
    log_.LogLine("Found " + std::to_string(found.size()) + " good IP addresses:");
    for (std::size_t i = 0; i < found.size(); ++i) log_.LogAppend(".");
    log_.LogLine("Discovery complete.");
    discoveryRunning_ = false;
    if (found.empty()) {
        emit DiscoveryFinished();
        return;
    }
    // This discovery is finished when its own queries are, whatever runs beside them.
    auto pending = std::make_shared<std::size_t>(found.size());
    for (const std::string& address : found) {
        pool_.Submit(StatusJob(address, [this, pending] {
            if (--*pending == 0) emit DiscoveryFinished();
        }));
    }
}

bool ConsoleNetwork::RangeScan(const std::string& firstAddress, const std::string& lastAddress,
                               std::string* error) {
    const ScanRange range = MakeScanRange(firstAddress, lastAddress);
    if (!range.error.empty()) {
        log_.LogLine(range.error);
        if (error != nullptr) *error = range.error;
        return false;
    }
    scanRunning_ = true;
    scanNext_ = range.first;
    scanLast_ = std::uint64_t{range.first} + range.Count();  // one past the last
    pool_.SetSource([this]() -> std::optional<PoolJob> {
        if (scanNext_ >= scanLast_) return std::nullopt;
        const std::string address = NumberToAddress(static_cast<std::uint32_t>(scanNext_++));
        log_.LogLine("IP Loc Lookup: " + address);
        ++scanQueries_;
        return StatusJob(address, [this] {
            --scanQueries_;
            FinishScanWhenDone();
        });
    });
    FinishScanWhenDone();
    return true;
}

void ConsoleNetwork::RefreshComputer(const std::string& address) {
    pool_.Submit(StatusJob(address, nullptr));
}

void ConsoleNetwork::SetAutoRefresh(bool enabled, int intervalMs) {
    autoRefresh_.setInterval(intervalMs);
    if (enabled) {
        autoRefresh_.start();
    } else {
        autoRefresh_.stop();
    }
}

void ConsoleNetwork::RunCommand(const std::string& address, const CommandRequest& request,
                                CommandDoneFn done) {
    for (const std::string& line : request.preamble) log_.LogLine(line);
    log_.LogLine(RequestLogLine(request, address, credentials_));
    const std::string target =
        CommandTarget(request.command, credentials_, request.params, request.extra);
    pool_.Submit({QString::fromStdString(address),
                  QByteArray::fromStdString(target),
                  {settings_.httpTimeoutMs, settings_.readTimeoutMs},
                  [this, request, done = std::move(done)](const HttpOutcome& outcome) {
                      if (outcome.end == QueryEnd::kReply) {
                          log_.LogLine(request.replyPrefix + outcome.reply->body);
                      } else if (outcome.end == QueryEnd::kConnectTimeout &&
                                 !request.timeoutLine.empty()) {
                          log_.LogLine(request.timeoutLine);
                      } else if (!request.errorPrefix.empty()) {
                          log_.LogLine(request.errorPrefix);
                      } else {
                          log_.LogLine(outcome.end == QueryEnd::kConnectTimeout
                                           ? std::string("Connection timed out.")
                                           : outcome.errorText.toStdString());
                      }
                      if (done) done(outcome);
                  }});
}

}  // namespace ostrel
