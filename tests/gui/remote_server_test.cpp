// The remote-control server's sockets: slow and idle clients do not hold up others, silent and
// oversized requests are dropped without a reply, discovery answers the sender.
#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>
#include <memory>
#include <vector>

#include "../support/remote_server_world.h"

namespace ostrel {
namespace {

constexpr int kWaitMs = 10000;
constexpr const char* kQuery = "GET /query?s_password=secret HTTP/1.1\r\n\r\n";

std::unique_ptr<QTcpSocket> Connected(quint16 port) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket->waitForConnected(kWaitMs));
    return socket;
}

// Everything the server sends until it closes.
QByteArray ReplyTo(quint16 port, const QByteArray& request) {
    auto socket = Connected(port);
    socket->write(request);
    QByteArray reply;
    while (socket->state() == QAbstractSocket::ConnectedState &&
           socket->waitForReadyRead(kWaitMs)) {
        reply += socket->readAll();
    }
    return reply + socket->readAll();
}

TEST(RemoteServerTest, IdleAndHalfSentConnectionsDoNotHoldUpAQuery) {
    RemoteServerWorld world(RemoteServerWorld::LoopbackOptions(60000));
    ASSERT_NE(world.port, 0);
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 20; ++i) {
        idle.push_back(Connected(world.port));
        if (i % 2 == 0) {
            idle.back()->write("GET /query?s_pass");
            idle.back()->flush();
        }
    }
    const QByteArray reply = ReplyTo(world.port, kQuery);
    EXPECT_TRUE(reply.startsWith("HTTP/1.1 200 <computername>testhost</computername>\r\n"));
    EXPECT_TRUE(reply.endsWith("</locktime></B></BODY></HTML>\r\n"));
    for (const auto& socket : idle) EXPECT_EQ(socket->state(), QAbstractSocket::ConnectedState);
}

TEST(RemoteServerTest, RequestsOutsideTheRulesAreDroppedUnanswered) {
    RemoteServerWorld world(RemoteServerWorld::LoopbackOptions(60000));
    const QByteArray cases[] = {
        "GET /" + QByteArray(9000, 'a') + " HTTP/1.1\r\n\r\n",
        "DELETE /halt?s_password=secret HTTP/1.1\r\n\r\n",
        "POST /unlock HTTP/1.1\r\nContent-Length: 999999999\r\n\r\n",
    };
    for (const QByteArray& request : cases) {
        EXPECT_EQ(ReplyTo(world.port, request), QByteArray()) << request.left(40).toStdString();
    }
    EXPECT_TRUE(world.workstation.Calls().empty());
}

TEST(RemoteServerTest, ASilentConnectionIsClosedAfterTheTimeOut) {
    RemoteServerWorld world(RemoteServerWorld::LoopbackOptions(200));
    auto socket = Connected(world.port);
    socket->write("GET /halt?s_password=secret HTTP/1.1\r\n");
    EXPECT_TRUE(socket->state() == QAbstractSocket::UnconnectedState ||
                socket->waitForDisconnected(kWaitMs));
    EXPECT_EQ(socket->readAll(), QByteArray());
    EXPECT_TRUE(world.workstation.Calls().empty());
}

TEST(RemoteServerTest, DiscoveryAnswersTheSenderOnly) {
    RemoteServerWorld world(RemoteServerWorld::LoopbackOptions(60000));
    ASSERT_NE(world.udpPort, 0);
    QUdpSocket client;
    ASSERT_TRUE(client.bind(QHostAddress::LocalHost, 0));
    client.writeDatagram("/query?sendto=10.9.9.9", QHostAddress::LocalHost, world.udpPort);
    ASSERT_TRUE(client.waitForReadyRead(kWaitMs));
    const QNetworkDatagram answer = client.receiveDatagram();
    EXPECT_EQ(answer.data(), QByteArray("10.0.0.5"));
    EXPECT_EQ(answer.senderPort(), world.udpPort);
}

}  // namespace
}  // namespace ostrel
