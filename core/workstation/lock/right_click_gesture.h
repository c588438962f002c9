#pragma once

#include <cstdint>
#include <optional>

namespace ostrel {

// Three quick right clicks on the lock screen's page open the Ostrel menu.
class RightClickGesture {
public:
    static constexpr std::int64_t kWindowMs = 2000;

    // A right click at this tick; true when it completes the gesture.
    bool Click(std::int64_t tickMs);
    void Reset();

private:
    int count_ = 0;
    std::optional<std::int64_t> lastTickMs_;
};

}  // namespace ostrel
