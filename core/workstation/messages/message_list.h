#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "workstation/messages/message_object.h"
#include "workstation/messages/pending_remote_message.h"

namespace ostrel {

// One lock session's notes, oldest first. Append-only: the count never falls during a session.
// Lives on the GUI thread.
class TMessageList {
public:
    void Add(TMessageObject message) { messages_.push_back(std::move(message)); }
    int Count() const { return static_cast<int>(messages_.size()); }
    const TMessageObject& At(int index) const {
        return messages_.at(static_cast<std::size_t>(index));
    }
    bool Empty() const { return messages_.empty(); }

private:
    std::vector<TMessageObject> messages_;
};

// The count label's text: "0 Messages", "1 Message", "2 Messages".
std::string MessageCountText(int count);

// The body a remote message is stored with: its text, an empty line and "From email: " with the
// sender's address.
std::string RemoteMessageBody(const RemoteMessageTexts& message);

// The reader's text of one message: the From, Subject and Time lines, two empty lines, the body.
// The lines end with CR LF; the body keeps its own line breaks.
std::string MessageReaderText(const TMessageObject& message);

}  // namespace ostrel
