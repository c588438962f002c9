#pragma once

#include "platform/clock.h"

namespace ostrel {

// Local time from the C library (honours TZ).
class LinuxClock : public Clock {
public:
    LocalDateTime Now() const override;
    std::int64_t TickMs() const override;
};

}  // namespace ostrel
