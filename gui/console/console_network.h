#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "computer_table_model.h"
#include "console/command_url.h"
#include "console/discovery.h"
#include "console/manager_log.h"
#include "console/remote_commands.h"
#include "request_pool.h"

namespace ostrel {

// The console's network settings, in milliseconds.
struct ConsoleNetworkSettings {
    int scanTimeoutMs = 2000;   // connect time-out of every status query
    int udpTimeoutMs = 2000;    // discovery receive window
    int httpTimeoutMs = 4000;   // connect time-out of commands
    int readTimeoutMs = 10000;  // longest pause in an answer once connected
    int maxInFlight = 4096;     // status queries at once
    std::string ownAddress = "127.0.0.1";
    quint16 commandPort = kCommandPort;
    quint16 discoveryPort = kDiscoveryPort;
    // Where the discovery datagram goes: the limited broadcast and directed broadcasts.
    std::vector<std::string> broadcastAddresses{std::string(kLimitedBroadcast)};
};

// Discovery, range scan, single refresh and remote commands over the computer list. Every
// request runs asynchronously through one pool with connect and read time-outs. GUI thread.
class ConsoleNetwork : public QObject {
    Q_OBJECT

public:
    ConsoleNetwork(ConsoleNetworkSettings settings, ConsoleCredentials credentials,
                   ComputerTableModel& computers, ManagerLog& log, QObject* parent = nullptr);

    const ConsoleNetworkSettings& Settings() const { return settings_; }
    // Status queries and commands in flight (the "Threads: " figure).
    int Workers() const { return pool_.InFlight(); }
    // The window must not close while this is set.
    bool DiscoveryRunning() const { return discoveryRunning_; }

    // Broadcasts, collects answers for the receive window, prunes the list and queries every
    // sender. DiscoveryFinished follows once the last query ended.
    void BroadcastDiscovery();
    // Queries every address from first to last. False, with the reason logged and given, when
    // an address fails the check.
    bool RangeScan(const std::string& firstAddress, const std::string& lastAddress,
                   std::string* error = nullptr);
    // One status query for the address.
    void RefreshComputer(const std::string& address);
    // Runs the discovery every interval while enabled.
    void SetAutoRefresh(bool enabled, int intervalMs);

    using CommandDoneFn = std::function<void(const HttpOutcome&)>;
    // Sends the command with its log lines; the outcome goes to `done`.
    void RunCommand(const std::string& address, const CommandRequest& request, CommandDoneFn done);

signals:
    void DiscoveryFinished();
    void ScanFinished();
    void WorkersChanged(int count);
    // A status report was merged into this row.
    void ComputerMerged(int row);

private:
    // A status query; `ended` runs after its outcome was handled.
    PoolJob StatusJob(const std::string& address, std::function<void()> ended);
    void EndReceiveWindow();
    void OnStatusOutcome(const std::string& address, const HttpOutcome& outcome);
    void FinishScanWhenDone();

    ConsoleNetworkSettings settings_;
    ConsoleCredentials credentials_;
    ComputerTableModel& computers_;
    ManagerLog& log_;
    RequestPool pool_;
    QTimer autoRefresh_;

    // Discovery.
    QUdpSocket discoverySocket_;
    QTimer receiveWindow_;
    std::unique_ptr<DiscoveryAnswers> answers_;
    bool discoveryRunning_ = false;

    // Range scan: the next address and the last.
    bool scanRunning_ = false;
    int scanQueries_ = 0;
    std::uint64_t scanNext_ = 0;
    std::uint64_t scanLast_ = 0;
};

}  // namespace ostrel
