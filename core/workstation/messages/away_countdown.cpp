#include "workstation/messages/away_countdown.h"

#include <algorithm>

namespace ostrel {

AwayCountdown::AwayCountdown(int seconds) : value_(std::clamp(seconds, kMinSeconds, kMaxSeconds)) {}

AwayCountdown::Tick AwayCountdown::Step() {
    Tick tick{"Using default message in " + std::to_string(value_) + " seconds", false};
    --value_;
    tick.expired = value_ == -1;
    return tick;
}

}  // namespace ostrel
