#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "workstation/remote/remote_workstation.h"

namespace ostrel {

// A workstation whose state the test sets; the requests it gets are recorded as texts.
class RecordingRemoteWorkstation : public RemoteWorkstation {
public:
    bool LockScreenUp() const override { return lockScreenUp; }
    std::int64_t LockStartTick() const override { return lockStartTick; }
    std::uint32_t SystemIdleMs() const override { return idleMs; }

    void StartLock() override { Record("StartLock"); }
    void PostLockCommand(const std::string& word) override { Record("PostLockCommand " + word); }
    void ShowBalloon(const std::string& title, const std::string& text) override {
        Record("ShowBalloon " + title + "|" + text);
    }
    void ShowWarning(const std::string& text) override { Record("ShowWarning " + text); }
    void Terminate() override { Record("Terminate"); }
    void StandBy() override { Record("StandBy"); }
    void Hibernate() override { Record("Hibernate"); }
    bool RunUpdateScript(const std::string& path, bool hidden) override {
        Record("RunUpdateScript " + path + (hidden ? " hidden" : " shown"));
        return scriptStarts;
    }
    bool ShutdownComputer(const ShutdownRequest& request) override {
        Record("ShutdownComputer " + std::to_string(static_cast<int>(request.action)));
        return shutdownAccepted;
    }

    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

    std::atomic<bool> lockScreenUp{false};
    std::atomic<std::int64_t> lockStartTick{0};
    std::atomic<std::uint32_t> idleMs{0};
    bool scriptStarts = true;
    bool shutdownAccepted = true;

private:
    void Record(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }

    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

}  // namespace ostrel
