#pragma once

#include <mutex>

#include "platform/clock.h"

namespace ostrel {

// A clock that shows what the test sets.
class FakeClock : public Clock {
public:
    explicit FakeClock(LocalDateTime now = {2009, 12, 9, 15, 4, 5, 0}) : now_(now) {}
    LocalDateTime Now() const override {
        std::lock_guard lock(mutex_);
        return now_;
    }
    std::int64_t TickMs() const override {
        std::lock_guard lock(mutex_);
        return tick_;
    }
    void Advance(std::int64_t ms) {
        std::lock_guard lock(mutex_);
        tick_ += ms;
    }
    void Set(const LocalDateTime& now) {
        std::lock_guard lock(mutex_);
        now_ = now;
    }

private:
    mutable std::mutex mutex_;
    LocalDateTime now_;
    std::int64_t tick_ = 0;
};

}  // namespace ostrel
