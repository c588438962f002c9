#pragma once

#include <string>

namespace ostrel {

// The reply of the remote-control server. A handler sets the status and the reply text R and
// sends: the first send writes the status line and the headers, every send one body line
// "<HTML><BODY><B>" + code + " " + R + "</B></BODY></HTML>" CR LF. The reason phrase is R's first
// line; R travels whole in the body. A reply to HEAD carries no body lines.
class HttpReply {
public:
    static constexpr int kOk = 200;
    static constexpr int kServerError = 500;

    explicit HttpReply(bool headOnly = false) : headOnly_(headOnly) {}

    void SetCode(int code) { code_ = code; }
    void SetText(std::string text) { text_ = std::move(text); }
    int Code() const { return code_; }
    const std::string& Text() const { return text_; }
    bool Sent() const { return sent_; }

    void Send();
    // An error that escaped the handler: status 500 with the message as body, or only the
    // message appended when the status line went out already.
    void Fail(const std::string& message);
    // The bytes for the connection once the handler is done. Without a send they are the status
    // line and the headers with the last code and text.
    std::string Finish();

private:
    void WriteHead();

    bool headOnly_;
    int code_ = kOk;
    std::string text_ = "OK";
    bool sent_ = false;
    std::string bytes_;
};

// "<HTML><BODY><B>" + code + " " + text + "</B></BODY></HTML>": a body line without its CR LF.
std::string ReplyBodyLine(int code, const std::string& text);

}  // namespace ostrel
