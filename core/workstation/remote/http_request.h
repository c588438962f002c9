#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ostrel {

// One decoded "name=value" piece of a query or a form body.
struct HttpParam {
    std::string name;
    std::string value;
    friend bool operator==(const HttpParam&, const HttpParam&) = default;
};

// The request line cut into its parts: the method before the first blank, the version after the
// last blank, the URI between them, so that a URI may hold raw blanks. A line with one blank has
// no version.
struct HttpRequestLine {
    std::string method;
    std::string uri;
    std::string version;
    friend bool operator==(const HttpRequestLine&, const HttpRequestLine&) = default;
};

// Nothing when the line has no blank or an empty method.
std::optional<HttpRequestLine> ParseRequestLine(std::string_view line);

// "+" becomes a blank, then "%" with two hexadecimal digits becomes that byte; "%00", a "%"
// without two hexadecimal digits after it, and those characters themselves are dropped.
std::string DecodeFormText(std::string_view text);

// The pieces between "&" of a query or form body, each decoded and cut at its first "=". Pieces
// without "=" name nothing and are left out.
std::vector<HttpParam> DecodeParams(std::string_view text);

// The URI's path: the text before the first "?", without a leading "http://host:port".
std::string UriPath(std::string_view uri);

// Only these methods reach the request handler; a request with another is closed unanswered.
bool MethodIsServed(std::string_view method);

// A request as the remote-control server hands it to its handler.
struct HttpRequest {
    // The first line exactly as received, without its line end.
    std::string requestLine;
    HttpRequestLine line;
    std::string path;
    // The query's pieces, then those of a form body.
    std::vector<HttpParam> params;

    // The value of the first piece whose name matches without regard to letter case; empty when
    // none does.
    std::string Param(std::string_view name) const;
};

// Reads one request from the bytes of a connection as they arrive, within size limits.
class HttpRequestReader {
public:
    struct Limits {
        std::size_t maxLine = 8192;
        std::size_t maxHeaderBytes = 32768;
        std::size_t maxBody = 65536;
    };
    enum class State { kIncomplete, kComplete, kRefused };

    HttpRequestReader() = default;
    explicit HttpRequestReader(Limits limits) : limits_(limits) {}

    // Takes the next bytes. Once complete or refused, later bytes are ignored.
    State Feed(std::string_view bytes);
    State Current() const { return state_; }
    // The request, once complete.
    const HttpRequest& Request() const { return request_; }

private:
    State Refuse();
    bool TakeRequestLine(std::string_view text);
    bool TakeHeader(std::string_view text);
    void Complete();

    Limits limits_;
    State state_ = State::kIncomplete;
    std::string buffer_;
    std::size_t headerBytes_ = 0;
    bool haveRequestLine_ = false;
    bool inBody_ = false;
    std::size_t contentLength_ = 0;
    bool formBody_ = false;
    HttpRequest request_;
};

}  // namespace ostrel
