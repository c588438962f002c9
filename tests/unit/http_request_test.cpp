#include "workstation/remote/http_request.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(HttpRequestLineTest, MethodBeforeFirstBlankVersionAfterLast) {
    struct Case {
        std::string line;
        std::optional<HttpRequestLine> expected;
    };
    const Case cases[] = {
        {"GET /query?a=b HTTP/1.1", HttpRequestLine{"GET", "/query?a=b", "HTTP/1.1"}},
        {"GET /remotemessage?mbody=hi there /halt HTTP/1.0",
         HttpRequestLine{"GET", "/remotemessage?mbody=hi there /halt", "HTTP/1.0"}},
        {"GET /query", HttpRequestLine{"GET", "/query", ""}},
        {"GET  HTTP/1.0", HttpRequestLine{"GET", "", "HTTP/1.0"}},
        {"GET", std::nullopt},
        {" GET /x HTTP/1.0", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseRequestLine(c.line), c.expected) << c.line;
}

TEST(HttpRequestLineTest, FormTextDecoding) {
    const std::pair<std::string, std::string> cases[] = {
        {"a+b", "a b"},      {"%41%62", "Ab"}, {"%2B", "+"},       {"x%00y", "xy"},
        {"x%zzy", "xy"},     {"x%4", "x"},     {"x%", "x"},        {"%e4", "\xe4"},
        {"50%+off", "50ff"}, {"%%41", "1"},    {"plain", "plain"},
    };
    for (const auto& [text, decoded] : cases) EXPECT_EQ(DecodeFormText(text), decoded) << text;
}

TEST(HttpRequestLineTest, ParamsFirstMatchWithoutRegardToCase) {
    HttpRequest request;
    request.params = DecodeParams("S_UserName=bob&s_username=eve&flag&a%3Db=c&empty=&p=x%3Dy");
    EXPECT_EQ(request.Param("s_username"), "bob");
    EXPECT_EQ(request.Param("a"), "b=c");
    EXPECT_EQ(request.Param("empty"), "");
    EXPECT_EQ(request.Param("p"), "x=y");
    EXPECT_EQ(request.Param("flag"), "");
    EXPECT_EQ(request.Param("missing"), "");
}

TEST(HttpRequestLineTest, PathIsTheUriBeforeTheQuery) {
    const std::pair<std::string, std::string> cases[] = {
        {"/lock?s_layout=/halt", "/lock"},
        {"/remotemessage?mbody=see /halt and /unlock", "/remotemessage"},
        {"http://10.0.0.1:8777/query?x", "/query"},
        {"HTTP://host", "/"},
        {"/query", "/query"},
        {"", ""},
    };
    for (const auto& [uri, path] : cases) EXPECT_EQ(UriPath(uri), path) << uri;
}

HttpRequestReader::State FeedBytewise(HttpRequestReader& reader, std::string_view bytes) {
    HttpRequestReader::State state = reader.Current();
    for (const char c : bytes) state = reader.Feed(std::string_view(&c, 1));
    return state;
}

TEST(HttpRequestReaderTest, ReadsARequestArrivingInPieces) {
    HttpRequestReader reader;
    const std::string request =
        "GET /remotemessage?mfrom=Ann&mbody=line one\r\nline two&s_password=pw HTTP/1.0\r\n"
        "Host: x\r\n\r\n";
    EXPECT_EQ(FeedBytewise(reader, request), HttpRequestReader::State::kComplete);
    EXPECT_EQ(reader.Request().requestLine, "GET /remotemessage?mfrom=Ann&mbody=line one");
    EXPECT_EQ(reader.Request().path, "/remotemessage");
    // The last blank of the first line starts the version, whatever it holds.
    EXPECT_EQ(reader.Request().line.version, "one");
    EXPECT_EQ(reader.Request().Param("mbody"), "line");
}

TEST(HttpRequestReaderTest, FormBodyOfAPostAddsItsParameters) {
    HttpRequestReader reader;
    const std::string request =
        "POST /unlock?s_username=q HTTP/1.1\r\n"
        "content-type: Application/X-WWW-Form-Urlencoded; charset=utf-8\r\n"
        "Content-Length: 31\r\n\r\ns_username=ann&s_password=a+b";
    EXPECT_EQ(reader.Feed(request), HttpRequestReader::State::kIncomplete);
    EXPECT_EQ(reader.Feed("cd"), HttpRequestReader::State::kComplete);
    EXPECT_EQ(reader.Request().Param("s_username"), "q");
    EXPECT_EQ(reader.Request().Param("s_password"), "a bcd");
}

TEST(HttpRequestReaderTest, RefusesWhatItShouldNotServe) {
    const HttpRequestReader::Limits limits{64, 128, 16};
    const std::pair<std::string, std::string> cases[] = {
        {"unsupported method", "DELETE /halt HTTP/1.1\r\n"},
        {"no blank", "GARBAGE\r\n"},
        {"long request line", "GET /" + std::string(80, 'a') + " HTTP/1.1\r\n"},
        {"long line without end", "GET /" + std::string(80, 'a')},
        {"headers too big", "GET / HTTP/1.1\r\n" + std::string(5, 'h').append(": ") +
                                std::string(40, 'v') + "\r\nX: " + std::string(40, 'v') +
                                "\r\nY: " + std::string(40, 'v') + "\r\n"},
        {"body too big", "POST / HTTP/1.1\r\nContent-Length: 17\r\n\r\n"},
        {"bad length", "POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n"},
        {"negative length", "POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        HttpRequestReader reader(limits);
        EXPECT_EQ(reader.Feed(bytes), HttpRequestReader::State::kRefused) << name;
        EXPECT_EQ(reader.Feed("\r\n\r\n"), HttpRequestReader::State::kRefused) << name;
    }
}

TEST(HttpRequestReaderTest, HeadAndLeadingBlankLinesAreServed) {
    HttpRequestReader reader;
    EXPECT_EQ(reader.Feed("\r\nHEAD /query HTTP/1.1\n\n"), HttpRequestReader::State::kComplete);
    EXPECT_EQ(reader.Request().line.method, "HEAD");
}

}  // namespace
}  // namespace ostrel
