#include "workstation/lock/command_slot.h"

#include <array>

namespace ostrel {

void CommandSlot::Post(std::string word) {
    std::lock_guard lock(mutex_);
    word_ = std::move(word);
    pending_ = true;
}

std::optional<std::string> CommandSlot::TakePending() {
    std::lock_guard lock(mutex_);
    if (!pending_) return std::nullopt;
    pending_ = false;
    return word_;
}

std::string CommandSlot::Word() const {
    std::lock_guard lock(mutex_);
    return word_;
}

void CommandSlot::Clear() {
    std::lock_guard lock(mutex_);
    word_.clear();
    pending_ = false;
}

bool DispatchCommand(const std::string& word, CommandHandler& handler) {
    struct Entry {
        const char* word;
        void (CommandHandler::*action)();
    };
    static constexpr std::array kWords = {
        Entry{"leavemessage", &CommandHandler::LeaveMessage},
        Entry{"remotemessage", &CommandHandler::RemoteMessage},
        Entry{"options", &CommandHandler::Options},
        Entry{"readmessages", &CommandHandler::ReadMessages},
        Entry{"changeawaymessage", &CommandHandler::ChangeAwayMessage},
        Entry{"logs", &CommandHandler::Logs},
        Entry{"focus", &CommandHandler::Focus},
        Entry{"shutdown", &CommandHandler::Shutdown},
        Entry{"terminate", &CommandHandler::Terminate},
        Entry{"badpass", &CommandHandler::BadPassword},
    };
    for (const Entry& entry : kWords) {
        if (word == entry.word) {
            (handler.*entry.action)();
            return true;
        }
    }
    return false;
}

}  // namespace ostrel
