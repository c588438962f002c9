#include "workstation/remote/http_reply.h"

namespace ostrel {

namespace {

constexpr const char* kHeaders =
    "Content-Type: text/html\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n";

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

std::string ReplyBodyLine(int code, const std::string& text) {
    return "<HTML><BODY><B>" + std::to_string(code) + " " + text + "</B></BODY></HTML>";
}

void HttpReply::WriteHead() {
    bytes_ = "HTTP/1.1 " + std::to_string(code_) + " " + FirstLine(text_) + "\r\n" + kHeaders;
    sent_ = true;
}

void HttpReply::Send() {
    if (!sent_) WriteHead();
    if (!headOnly_) bytes_ += ReplyBodyLine(code_, text_) + "\r\n";
}

void HttpReply::Fail(const std::string& message) {
    if (!sent_) {
        code_ = kServerError;
        text_ = message;
        WriteHead();
    }
    if (!headOnly_) bytes_ += message;
}

std::string HttpReply::Finish() {
    if (!sent_) WriteHead();
    return std::move(bytes_);
}

}  // namespace ostrel
