#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/idle_sources.h"

namespace ostrel {

// Readings a test chooses; every field is public.
class FakeIdleSources : public IdleSources {
public:
    std::uint32_t systemIdleMs = 0;
    std::uint32_t applicationIdleMs = 0;
    bool sessionLocked = false;
    bool screenSaverRunning = false;
    std::optional<std::uint32_t> screenSaverTimeoutMs;

    std::uint32_t SystemIdleMs() const override { return systemIdleMs; }
    std::uint32_t ApplicationIdleMs() const override { return applicationIdleMs; }
    bool SessionLocked() const override { return sessionLocked; }
    bool ScreenSaverRunning() const override { return screenSaverRunning; }
    std::optional<std::uint32_t> ScreenSaverTimeoutMs() const override {
        return screenSaverTimeoutMs;
    }
};

// Records what the watch does with its timer: "start <ms>" and "stop".
class RecordingIdleWatchTimer : public IdleWatchTimer {
public:
    std::vector<std::string> calls;

    void Start(std::uint32_t intervalMs) override {
        calls.push_back("start " + std::to_string(intervalMs));
    }
    void Stop() override { calls.push_back("stop"); }
};

}  // namespace ostrel
