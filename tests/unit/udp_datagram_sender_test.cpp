#include "linux/udp_datagram_sender.h"

#include <QUdpSocket>

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(UdpDatagramSender, DeliversThePayloadOnLoopback) {
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    UdpDatagramSender sender;
    sender.SendDatagram("127.0.0.1", receiver.localPort(), "/se:Incorrect password entered");
    ASSERT_TRUE(receiver.waitForReadyRead(2000));
    QByteArray data(static_cast<int>(receiver.pendingDatagramSize()), '\0');
    receiver.readDatagram(data.data(), data.size());
    EXPECT_EQ(data.toStdString(), "/se:Incorrect password entered");
    sender.SendDatagram("not an address", receiver.localPort(), "x");  // dropped, no crash
}

}  // namespace
}  // namespace ostrel
