#pragma once

namespace ostrel {

// A message between instances of the agent: a message number and its (wParam, lParam) pair.
struct InstanceMessage {
    int message = 0;
    int wParam = 0;
    int lParam = 0;

    friend bool operator==(const InstanceMessage&, const InstanceMessage&) = default;
};

// The single-instance mark of the user's session and the message channel to the instance that
// holds it.
class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;

    // Takes the mark; false when another live instance holds it. The mark is kept until
    // Withdraw or the end of the process, a crash included.
    virtual bool ClaimFirstInstance() = 0;
    // Gives the mark up, so later searches find another instance and not this one.
    virtual void Withdraw() = 0;
    // Delivers the message once to the instance holding the mark; false when none answers.
    virtual bool SendToRunningInstance(const InstanceMessage& message) = 0;
};

}  // namespace ostrel
