#pragma once

#include <string>

namespace ostrel {

// The away-message picker's countdown to the default message. Each tick shows the seconds left,
// then counts one down; the tick that shows 0 expires it, so a countdown of N seconds shows N,
// N-1, ..., 0 over N + 1 ticks, the first of them when the picker opens. Lengths outside the
// options dialog's 1 to 999 (imported settings) are brought into it: 0 would close the picker
// before anyone saw it, a negative length would never end.
class AwayCountdown {
public:
    static constexpr int kMinSeconds = 1;
    static constexpr int kMaxSeconds = 999;

    explicit AwayCountdown(int seconds);

    struct Tick {
        std::string status;
        bool expired = false;
    };
    Tick Step();

private:
    int value_;
};

}  // namespace ostrel
