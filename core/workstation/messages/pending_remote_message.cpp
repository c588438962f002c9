#include "workstation/messages/pending_remote_message.h"

#include <utility>

namespace ostrel {

void PendingRemoteMessage::Set(RemoteMessageTexts message) {
    std::lock_guard lock(mutex_);
    message_ = std::move(message);
}

std::optional<RemoteMessageTexts> PendingRemoteMessage::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(message_, std::nullopt);
}

}  // namespace ostrel
