#pragma once

#include <QObject>
#include <string>

#include "platform/instance_channel.h"

class QLocalServer;
class QLocalSocket;

namespace ostrel {

// Where the instance socket lives: $XDG_RUNTIME_DIR, else /tmp/ostrel-<uid>/ made private to
// the user. Empty when that folder exists but is not the user's own and private.
std::string InstanceSocketFolder();

// The single-instance mark and message channel of the user: a listening local socket at a full
// path. Claims are made under an exclusive lock on a file beside the socket, so of two
// simultaneous starts exactly one binds the socket. A socket file left by a crashed instance
// answers no connection and is replaced. Messages travel one per connection as one line.
class LinuxInstanceChannel : public QObject, public InstanceChannel {
    Q_OBJECT

public:
    static constexpr const char* kSocketName = "ostrel3.socket";

    // An empty path gives a channel that finds no other instance and claims at once.
    explicit LinuxInstanceChannel(std::string socketPath, QObject* parent = nullptr);
    ~LinuxInstanceChannel() override;

    bool ClaimFirstInstance() override;
    void Withdraw() override;
    bool SendToRunningInstance(const InstanceMessage& message) override;

    // Once the application's event loop exists: queued and later messages arrive through
    // MessageReceived, in order, on this object's thread.
    void StartReceiving();

signals:
    void MessageReceived(ostrel::InstanceMessage message);

private:
    // Runs the step while holding the claim lock.
    template <typename Step>
    auto UnderClaimLock(Step step);
    bool BindOrProbe();
    void AcceptConnections();
    void ReadMessages(QLocalSocket* connection);

    const std::string socketPath_;
    int listenFd_ = -1;
    QLocalServer* server_ = nullptr;
};

}  // namespace ostrel
