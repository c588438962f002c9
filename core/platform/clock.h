#pragma once

#include <cstdint>

namespace ostrel {

// A moment in local time, broken down.
struct LocalDateTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
    // Milliseconds since the computer started, suspended time included; never jumps.
    virtual std::int64_t TickMs() const = 0;
};

}  // namespace ostrel
