#include "console/console_network.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>
#include <optional>

#include "../support/recording_manager_log.h"

namespace ostrel {
namespace {

using testing::Contains;
using testing::HasSubstr;
using testing::Not;

// A workstation on loopback: keeps each request's first line and answers with a fixed reply,
// or stays silent when the reply is empty.
class FakeWorkstation {
public:
    explicit FakeWorkstation(QByteArray reply) : reply_(std::move(reply)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                received_ += socket->readAll();
                if (!received_.contains("\r\n\r\n") || reply_.isEmpty()) return;
                requestLines.push_back(received_.left(received_.indexOf("\r\n")));
                received_.clear();
                socket->write(reply_);
                socket->disconnectFromHost();
            });
        });
    }
    quint16 Port() const { return server_.serverPort(); }

    QList<QByteArray> requestLines;

private:
    QByteArray reply_;
    QByteArray received_;
    QTcpServer server_;
};

QByteArray Wrapped(const QByteArray& text) {
    return "HTTP/1.1 200 OK\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n<HTML><BODY><B>200 " +
           text + "</B></BODY></HTML>\r\n";
}

class ConsoleNetworkTest : public testing::Test {
protected:
    std::optional<HttpOutcome> Run(quint16 port, const CommandRequest& request,
                                   int readTimeoutMs = 5000) {
        ConsoleNetworkSettings settings;
        settings.commandPort = port;
        settings.readTimeoutMs = readTimeoutMs;
        ConsoleNetwork network(settings, {"administrator", "s3cret&x"}, model_, log_);
        std::optional<HttpOutcome> result;
        network.RunCommand("127.0.0.1", request,
                           [&](const HttpOutcome& outcome) { result = outcome; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 10000));
        return result;
    }

    ComputerTableModel model_;
    RecordingManagerLog log_;
};

TEST_F(ConsoleNetworkTest, CommandTravelsEncodedAndItsLogMasksThePassword) {
    FakeWorkstation workstation(Wrapped("leaving msg..."));
    const auto outcome =
        Run(workstation.Port(), RemoteMessageRequest("me", "a & b", "line 1\nline 2 /halt"));
    ASSERT_TRUE(outcome);
    ASSERT_EQ(outcome->end, QueryEnd::kReply);
    EXPECT_TRUE(CommandDone("remotemessage", *outcome->reply));
    ASSERT_EQ(workstation.requestLines.size(), 1);
    EXPECT_EQ(workstation.requestLines[0],
              "GET /remotemessage?s_username=administrator&s_password=s3cret%26x&params="
              "&mfrom=me&msubject=a%20%26%20b&mbody=line%201%0Aline%202%20%2Fhalt HTTP/1.1");
    for (const std::string& line : log_.lines) EXPECT_THAT(line, Not(HasSubstr("s3cret")));
    EXPECT_THAT(log_.lines, Contains(HasSubstr("Get http://127.0.0.1:8777/remotemessage?"
                                               "s_username=administrator&s_password=*******")));
}

TEST_F(ConsoleNetworkTest, SilentWorkstationEndsWithTheReadTimeOut) {
    FakeWorkstation workstation("");
    const auto outcome = Run(workstation.Port(), LockRequest(), 300);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->end, QueryEnd::kFailed);
    EXPECT_EQ(outcome->errorText, "Read timed out");
}

TEST_F(ConsoleNetworkTest, RequestsInFlightEndQuietlyWithTheConsole) {
    FakeWorkstation workstation("");
    bool calledBack = false;
    {
        ConsoleNetworkSettings settings;
        settings.commandPort = workstation.Port();
        ConsoleNetwork network(settings, {"administrator", "x"}, model_, log_);
        network.RunCommand("127.0.0.1", LockRequest(),
                           [&](const HttpOutcome&) { calledBack = true; });
        network.RefreshComputer("127.0.0.1");
        QTest::qWait(100);
        EXPECT_EQ(network.Workers(), 2);
    }
    QTest::qWait(50);
    EXPECT_FALSE(calledBack);
}

TEST_F(ConsoleNetworkTest, RefusedConnectionAndBareStatusLine) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        closedPort = probe.serverPort();
    }
    const auto refused = Run(closedPort, LockRequest());
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->end, QueryEnd::kFailed);

    FakeWorkstation workstation("HTTP/1.1 200 cant lock, not authenticated\r\n\r\n");
    const auto bare = Run(workstation.Port(), LockRequest());
    ASSERT_TRUE(bare);
    ASSERT_EQ(bare->end, QueryEnd::kReply);
    EXPECT_FALSE(CommandDone("lock", *bare->reply));
}

TEST_F(ConsoleNetworkTest, SingleRefreshMergesTheStatusReport) {
    FakeWorkstation workstation(
        Wrapped("<computername>pc1</computername>\r<internalip>127.0.0.1</internalip>\r"
                "<status>Locked</status>"));
    ConsoleNetworkSettings settings;
    settings.commandPort = workstation.Port();
    ConsoleNetwork network(settings, {"administrator", "x"}, model_, log_);
    QSignalSpy merged(&network, &ConsoleNetwork::ComputerMerged);
    network.RefreshComputer("127.0.0.1");
    ASSERT_TRUE(merged.wait(10000));
    ASSERT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(model_.index(0, 2).data().toString(), "Locked");
    EXPECT_EQ(log_.lines.front(), "GET [SafeURL]");
}

// Discovery on loopback: a workstation that answers the datagram and the status query, a
// record of one that no longer answers, and the automatic refresh running discovery again.
TEST_F(ConsoleNetworkTest, DiscoveryPrunesQueriesAndRepeatsOnTheRefreshTimer) {
    QUdpSocket answering;
    ASSERT_TRUE(answering.bind(QHostAddress::LocalHost, 0));
    QObject::connect(&answering, &QUdpSocket::readyRead, [&] {
        while (answering.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = answering.receiveDatagram();
            if (datagram.data() == "/query?sendto=127.0.0.1") {
                answering.writeDatagram("127.0.0.1", datagram.senderAddress(),
                                        static_cast<quint16>(datagram.senderPort()));
            }
        }
    });
    FakeWorkstation workstation(
        Wrapped("<computername>pc1</computername>\r<internalip>127.0.0.1</internalip>"));
    model_.MergeStatusReport("<computername>gone</computername><internalip>10.9.9.9</internalip>");

    ConsoleNetworkSettings settings;
    settings.commandPort = workstation.Port();
    settings.discoveryPort = answering.localPort();
    settings.udpTimeoutMs = 200;
    settings.broadcastAddresses = {"127.0.0.1"};
    ConsoleNetwork network(settings, {"administrator", "x"}, model_, log_);
    QSignalSpy finished(&network, &ConsoleNetwork::DiscoveryFinished);
    network.BroadcastDiscovery();
    EXPECT_TRUE(network.DiscoveryRunning());
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(network.DiscoveryRunning());
    ASSERT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(model_.index(0, 0).data().toString(), "pc1");
    EXPECT_EQ(log_.lines, (std::vector<std::string>{"UDP Broadcast..", "127.0.0.1 . 127.0.0.1",
                                                    "Found 1 good IP addresses:.",
                                                    "Discovery complete.", "GET [SafeURL]"}));

    network.SetAutoRefresh(true, 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.size() >= 3; }, 10000));
    network.SetAutoRefresh(false, 50);
    EXPECT_EQ(model_.rowCount(), 1);
}

}  // namespace
}  // namespace ostrel
