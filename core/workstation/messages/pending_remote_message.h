#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace ostrel {

// The texts of a remote message as the remote-control API received them.
struct RemoteMessageTexts {
    std::string From;
    std::string Subject;
    std::string Body;
    std::string Email;

    friend bool operator==(const RemoteMessageTexts&, const RemoteMessageTexts&) = default;
};

// The one remote message waiting for the lock form. The network thread sets it, then posts the
// command word "remotemessage"; the GUI thread takes it when the word is dispatched. A later
// message replaces one that was not taken yet.
class PendingRemoteMessage {
public:
    void Set(RemoteMessageTexts message);
    // The waiting message, leaving the slot empty.
    std::optional<RemoteMessageTexts> Take();

private:
    std::mutex mutex_;
    std::optional<RemoteMessageTexts> message_;
};

}  // namespace ostrel
