#include "workstation/remote/http_reply.h"

#include <gtest/gtest.h>

#include <functional>

namespace ostrel {
namespace {

constexpr const char* kHeaders =
    "Content-Type: text/html\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n";

TEST(HttpReplyTest, WrittenByteForByte) {
    struct Case {
        std::string name;
        bool headOnly;
        std::function<void(HttpReply&)> handler;
        std::string expected;
    };
    const std::string head = std::string("HTTP/1.1 200 OK\r\n") + kHeaders;
    const Case cases[] = {
        {"nothing sent", false, [](HttpReply&) {}, head},
        {"text set, not sent", false, [](HttpReply& r) { r.SetText("incorrect password"); },
         std::string("HTTP/1.1 200 incorrect password\r\n") + kHeaders},
        {"two sends", false,
         [](HttpReply& r) {
             r.SetText("Shutting down...");
             r.Send();
             r.SetCode(200);
             r.SetText("unlocking");
             r.Send();
         },
         std::string("HTTP/1.1 200 Shutting down...\r\n") + kHeaders +
             "<HTML><BODY><B>200 Shutting down...</B></BODY></HTML>\r\n"
             "<HTML><BODY><B>200 unlocking</B></BODY></HTML>\r\n"},
        {"several lines", false,
         [](HttpReply& r) {
             r.SetText("<loglist>2,</loglist>\r\n");
             r.Send();
         },
         std::string("HTTP/1.1 200 <loglist>2,</loglist>\r\n") + kHeaders +
             "<HTML><BODY><B>200 <loglist>2,</loglist>\r\n</B></BODY></HTML>\r\n"},
        {"head", true,
         [](HttpReply& r) {
             r.SetText("locked");
             r.Send();
         },
         std::string("HTTP/1.1 200 locked\r\n") + kHeaders},
        {"error before a send", false, [](HttpReply& r) { r.Fail("'x' is not a valid date"); },
         std::string("HTTP/1.1 500 'x' is not a valid date\r\n") + kHeaders +
             "'x' is not a valid date"},
        {"error after a send", false,
         [](HttpReply& r) {
             r.Send();
             r.Fail("boom");
         },
         head + "<HTML><BODY><B>200 OK</B></BODY></HTML>\r\nboom"},
    };
    for (const Case& c : cases) {
        HttpReply reply(c.headOnly);
        c.handler(reply);
        EXPECT_EQ(reply.Finish(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace ostrel
