#include "workstation/remote/http_request.h"

#include <algorithm>
#include <charconv>

#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr std::string_view kFormContentType = "application/x-www-form-urlencoded";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<HttpRequestLine> ParseRequestLine(std::string_view line) {
    const std::size_t first = line.find(' ');
    if (first == std::string_view::npos || first == 0) return std::nullopt;
    const std::size_t last = line.rfind(' ');
    HttpRequestLine parts;
    parts.method = line.substr(0, first);
    if (last == first) {
        parts.uri = line.substr(first + 1);
    } else {
        parts.uri = line.substr(first + 1, last - first - 1);
        parts.version = line.substr(last + 1);
    }
    return parts;
}

std::string DecodeFormText(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            decoded += ' ';
        } else if (c != '%') {
            decoded += c;
        } else {
            const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (high >= 0 && low >= 0 && (high | low) != 0) {
                decoded += static_cast<char>(high * 16 + low);
            }
            i += 2;
        }
    }
    return decoded;
}

std::vector<HttpParam> DecodeParams(std::string_view text) {
    std::vector<HttpParam> params;
    if (text.empty()) return params;
    for (const std::string& piece : SplitText(text, "&")) {
        std::string decoded = DecodeFormText(piece);
        const std::size_t equals = decoded.find('=');
        if (equals == std::string::npos) continue;
        params.push_back({decoded.substr(0, equals), decoded.substr(equals + 1)});
    }
    return params;
}

std::string UriPath(std::string_view uri) {
    uri = uri.substr(0, uri.find('?'));
    for (const std::string_view scheme : {"http://", "https://"}) {
        if (!StartsWithText(uri, scheme)) continue;
        const std::size_t slash = uri.find('/', scheme.size());
        return slash == std::string_view::npos ? "/" : std::string(uri.substr(slash));
    }
    return std::string(uri);
}

bool MethodIsServed(std::string_view method) {
    return method == "GET" || method == "POST" || method == "HEAD";
}

std::string HttpRequest::Param(std::string_view name) const {
    for (const HttpParam& param : params) {
        if (SameText(param.name, name)) return param.value;
    }
    return {};
}

HttpRequestReader::State HttpRequestReader::Refuse() {
    state_ = State::kRefused;
    buffer_.clear();
    return state_;
}

HttpRequestReader::State HttpRequestReader::Feed(std::string_view bytes) {
    if (state_ != State::kIncomplete) return state_;
    buffer_.append(bytes);
    while (!inBody_) {
        const std::size_t end = buffer_.find('\n');
        if (end == std::string::npos) {
            if (buffer_.size() > limits_.maxLine) return Refuse();
            return state_;
        }
        if (end + 1 > limits_.maxLine) return Refuse();
        headerBytes_ += end + 1;
        if (headerBytes_ > limits_.maxHeaderBytes) return Refuse();
        std::string_view line(buffer_.data(), end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        bool accepted = true;
        if (!haveRequestLine_) {
            // Blank lines before the request line are skipped.
            if (!line.empty()) accepted = TakeRequestLine(line);
        } else if (line.empty()) {
            inBody_ = true;
        } else {
            accepted = TakeHeader(line);
        }
        buffer_.erase(0, end + 1);
        if (!accepted) return Refuse();
    }
    if (buffer_.size() < contentLength_) return state_;
    if (formBody_ && request_.line.method == "POST") {
        for (HttpParam& param : DecodeParams(std::string_view(buffer_).substr(0, contentLength_))) {
            request_.params.push_back(std::move(param));
        }
    }
    Complete();
    return state_;
}

bool HttpRequestReader::TakeRequestLine(std::string_view text) {
    std::optional<HttpRequestLine> line = ParseRequestLine(text);
    if (!line || !MethodIsServed(line->method)) return false;
    haveRequestLine_ = true;
    request_.requestLine = text;
    request_.path = UriPath(line->uri);
    const std::size_t question = line->uri.find('?');
    if (question != std::string::npos) {
        request_.params = DecodeParams(std::string_view(line->uri).substr(question + 1));
    }
    request_.line = std::move(*line);
    return true;
}

bool HttpRequestReader::TakeHeader(std::string_view text) {
    // A line without a colon is no header; it may be the rest of a raw line break in the URI.
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return true;
    const std::string_view name = Trimmed(text.substr(0, colon));
    const std::string_view value = Trimmed(text.substr(colon + 1));
    if (SameText(name, "Content-Length")) {
        std::size_t length = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), length);
        if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
            length > limits_.maxBody) {
            return false;
        }
        contentLength_ = length;
    } else if (SameText(name, "Content-Type")) {
        formBody_ = StartsWithText(value, kFormContentType);
    }
    return true;
}

void HttpRequestReader::Complete() {
    state_ = State::kComplete;
    buffer_.clear();
}

}  // namespace ostrel
