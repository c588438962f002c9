#pragma once

#include <string>

namespace ostrel {

enum class LockFormStatus { kAbsent, kLocked, kUnlocked };

// What the permission checks need of the lock form, which comes and goes with each lock session.
class LockFormState {
public:
    virtual ~LockFormState() = default;

    // GUI thread only.
    virtual LockFormStatus Status() const = 0;
    // GUI thread only, while a lock form exists: puts its menu button up.
    virtual void ReleaseMenuButton() = 0;
    // Any thread: appends the text to the last line of the lock form's console, or does nothing
    // when there is no lock form. Never waits for the GUI thread.
    virtual void ConsoleAppend(const std::string& text) = 0;
};

}  // namespace ostrel
