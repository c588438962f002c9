// Load on the remote-control server in this process, over loopback: 64 clients asking /query
// with a new connection each (replies per second, latency percentiles), then /query one at a time
// while another client holds 200 idle connections open.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "../../tests/support/remote_server_world.h"

namespace {

using Steady = std::chrono::steady_clock;

constexpr int kClients = 64;
constexpr int kIdleConnections = 200;
constexpr int kIdleQueries = 500;
constexpr auto kLoadTime = std::chrono::seconds(3);
constexpr const char* kQuery = "GET /query?s_username=&s_password=secret HTTP/1.1\r\n\r\n";

int Connect(quint16 port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// One /query on a new connection; true when a whole status report came back.
bool Query(quint16 port) {
    const int fd = Connect(port);
    if (fd < 0) return false;
    const std::string request = kQuery;
    bool ok = ::send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
              static_cast<ssize_t>(request.size());
    std::string reply;
    char buffer[4096];
    ssize_t got = 0;
    while (ok && (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, got);
    ::close(fd);
    return ok && reply.starts_with("HTTP/1.1 200 <computername>") &&
           reply.find("</locktime></B></BODY></HTML>\r\n") != std::string::npos;
}

double Percentile(std::vector<double>& values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

double MsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ostrel::RemoteServerWorld world(ostrel::RemoteServerWorld::LoopbackOptions(60000));
    const quint16 port = world.port;
    if (port == 0) {
        std::fprintf(stderr, "server did not listen\n");
        return 1;
    }

    // 64 clients, a new connection per /query.
    std::atomic<long> replies{0};
    std::atomic<long> failures{0};
    std::mutex latencyMutex;
    std::vector<double> latencies;
    const Steady::time_point loadStart = Steady::now();
    std::vector<std::thread> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.emplace_back([&] {
            std::vector<double> mine;
            while (Steady::now() - loadStart < kLoadTime) {
                const Steady::time_point start = Steady::now();
                if (Query(port)) {
                    mine.push_back(MsSince(start));
                    ++replies;
                } else {
                    ++failures;
                }
            }
            std::lock_guard lock(latencyMutex);
            latencies.insert(latencies.end(), mine.begin(), mine.end());
        });
    }
    for (std::thread& client : clients) client.join();
    const double seconds = MsSince(loadStart) / 1000;
    std::printf(
        "64 clients, new connection per /query: %.0f replies/s (%ld in %.1f s, %ld failed)"
        ", p50 %.2f ms, p99 %.2f ms, max %.2f ms\n",
        static_cast<double>(replies) / seconds, replies.load(), seconds, failures.load(),
        Percentile(latencies, 0.50), Percentile(latencies, 0.99), Percentile(latencies, 1.0));

    // 200 idle connections held open, then /query one at a time.
    std::vector<int> idle;
    for (int i = 0; i < kIdleConnections; ++i) {
        const int fd = Connect(port);
        if (fd >= 0) idle.push_back(fd);
        if (i % 2 == 0 && fd >= 0) ::send(fd, "GET /qu", 7, MSG_NOSIGNAL);  // half a request
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<double> idleLatencies;
    long idleFailures = 0;
    for (int i = 0; i < kIdleQueries; ++i) {
        const Steady::time_point start = Steady::now();
        if (Query(port)) {
            idleLatencies.push_back(MsSince(start));
        } else {
            ++idleFailures;
        }
    }
    std::printf(
        "%zu idle connections held: /query p50 %.2f ms, p99 %.2f ms, max %.2f ms "
        "(%d queries, %ld failed)\n",
        idle.size(), Percentile(idleLatencies, 0.50), Percentile(idleLatencies, 0.99),
        Percentile(idleLatencies, 1.0), kIdleQueries, idleFailures);
    for (const int fd : idle) ::close(fd);

    return failures == 0 && idleFailures == 0 ? 0 : 1;
}
