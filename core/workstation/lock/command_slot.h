#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace ostrel {

// The lock form's single pending command word. Any thread may post; the GUI thread takes the
// word on its next dispatch tick. A later post replaces a word that was not dispatched yet.
class CommandSlot {
public:
    void Post(std::string word);
    // The word posted since the last dispatch, if any. The word itself stays in the slot.
    std::optional<std::string> TakePending();
    std::string Word() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::string word_;
    bool pending_ = false;
};

// What the command words do; implemented by the lock form.
class CommandHandler {
public:
    virtual ~CommandHandler() = default;
    virtual void LeaveMessage() = 0;
    virtual void RemoteMessage() = 0;
    virtual void Options() = 0;
    virtual void ReadMessages() = 0;
    virtual void ChangeAwayMessage() = 0;
    virtual void Logs() = 0;
    virtual void Focus() = 0;
    virtual void Shutdown() = 0;
    virtual void Terminate() = 0;
    virtual void BadPassword() = 0;
};

// Runs one word: the handler method whose word matches exactly; unknown words do nothing. True
// when the word was known.
bool DispatchCommand(const std::string& word, CommandHandler& handler);

}  // namespace ostrel
