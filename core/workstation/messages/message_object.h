#pragma once

#include <string>

#include "platform/clock.h"

namespace ostrel {

// One note for the absent user. Never changes once stored.
struct TMessageObject {
    LocalDateTime Time;
    std::string From;
    std::string Subject;
    std::string Body;

    friend bool operator==(const TMessageObject&, const TMessageObject&) = default;
};

}  // namespace ostrel
