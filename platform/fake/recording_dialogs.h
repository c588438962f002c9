#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace ostrel {

// Remembers every message instead of showing it, and answers message boxes from a script.
class RecordingDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    // The next scripted reply; with none left, OK.
    MessageReply ShowMessageBox(const MessageBoxRequest& request) override {
        boxes.push_back(request);
        if (replies.empty()) return MessageReply::kOk;
        const MessageReply reply = replies.front();
        replies.pop_front();
        return reply;
    }

    std::vector<std::string> messages;
    std::vector<MessageBoxRequest> boxes;
    std::deque<MessageReply> replies;
};

}  // namespace ostrel
