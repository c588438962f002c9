#include "linux/linux_instance_channel.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "workstation/process/instance_messages.h"

namespace ostrel {

namespace {

constexpr int kBacklog = 16;
constexpr int kSendTimeoutSeconds = 2;

std::optional<sockaddr_un> SocketAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

bool Connect(int fd, const sockaddr_un& address) {
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

// A connection to a live instance; -1 when none answers.
int ConnectTo(const std::string& path) {
    const auto address = SocketAddress(path);
    if (!address) return -1;
    const int fd = NewSocket();
    if (fd < 0) return -1;
    // Bounds the wait when the instance's queue of connections is full.
    const timeval timeout{kSendTimeoutSeconds, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (Connect(fd, *address)) return fd;
    ::close(fd);
    return -1;
}

bool SendAll(int fd, const std::string& data) {
    for (std::size_t sent = 0; sent < data.size();) {
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsPrivateFolderOfUser(const std::string& folder) {
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::string InstanceSocketFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/') {
        std::string folder = runtime;
        return folder.back() == '/' ? folder : folder + "/";
    }
    const std::string folder = "/tmp/ostrel-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return IsPrivateFolderOfUser(folder) ? folder + "/" : "";
}

LinuxInstanceChannel::LinuxInstanceChannel(std::string socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

LinuxInstanceChannel::~LinuxInstanceChannel() {
    Withdraw();
}

template <typename Step>
auto LinuxInstanceChannel::UnderClaimLock(Step step) {
    const std::string lockPath = socketPath_ + ".lock";
    const int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    while (lockFd >= 0 && ::flock(lockFd, LOCK_EX) != 0 && errno == EINTR) {
    }
    // Without the lock file the step runs all the same: one start alone needs no lock.
    const auto result = step();
    if (lockFd >= 0) ::close(lockFd);  // releases the lock
    return result;
}

bool LinuxInstanceChannel::ClaimFirstInstance() {
    if (listenFd_ >= 0 || socketPath_.empty()) return true;
    return UnderClaimLock([this] { return BindOrProbe(); });
}

bool LinuxInstanceChannel::BindOrProbe() {
    const auto address = SocketAddress(socketPath_);
    const int fd = address ? NewSocket() : -1;
    // With no socket there is nothing to coordinate with; this process runs as the first.
    if (fd < 0) return true;
    const auto bindAddress = [&] {
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    };
    bool bound = bindAddress();
    if (!bound && errno == EADDRINUSE) {
        const int probe = ConnectTo(socketPath_);
        if (probe >= 0) {
            ::close(probe);
            ::close(fd);
            return false;
        }
        ::unlink(socketPath_.c_str());  // left by an instance that died
        bound = bindAddress();
    }
    if (!bound || ::listen(fd, kBacklog) != 0) {
        ::close(fd);
        return true;
    }
    listenFd_ = fd;
    return true;
}

void LinuxInstanceChannel::Withdraw() {
    if (listenFd_ < 0) return;
    UnderClaimLock([this] {
        ::unlink(socketPath_.c_str());
        if (server_ != nullptr) {
            server_->close();  // closes the descriptor it adopted
            server_->deleteLater();
            server_ = nullptr;
        } else {
            ::close(listenFd_);
        }
        listenFd_ = -1;
        return true;
    });
}

bool LinuxInstanceChannel::SendToRunningInstance(const InstanceMessage& message) {
    const int fd = ConnectTo(socketPath_);
    if (fd < 0) return false;
    const bool sent = SendAll(fd, EncodeInstanceMessage(message));
    ::close(fd);
    return sent;
}

void LinuxInstanceChannel::StartReceiving() {
    if (listenFd_ < 0 || server_ != nullptr) return;
    server_ = new QLocalServer(this);
    connect(server_, &QLocalServer::newConnection, this, &LinuxInstanceChannel::AcceptConnections);
    server_->listen(listenFd_);
}

void LinuxInstanceChannel::AcceptConnections() {
    while (QLocalSocket* connection = server_->nextPendingConnection()) {
        connect(connection, &QLocalSocket::readyRead, this,
                [this, connection] { ReadMessages(connection); });
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        ReadMessages(connection);
    }
}

void LinuxInstanceChannel::ReadMessages(QLocalSocket* connection) {
    constexpr qint64 kLongestLine = kInstanceMessageLineLimit + 1;
    while (connection->canReadLine()) {
        QByteArray line = connection->readLine(kLongestLine + 1);
        if (!line.endsWith('\n')) {
            connection->abort();  // no line that long is a message
            return;
        }
        line.chop(1);
        if (const auto message = DecodeInstanceMessage(line.toStdString())) {
            emit MessageReceived(*message);
        }
    }
    if (connection->bytesAvailable() > kLongestLine) connection->abort();
}

}  // namespace ostrel
