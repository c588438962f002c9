#pragma once

#include <mutex>
#include <string>

namespace ostrel {

// The user name of the latest remote request that passed the address check. The server writes
// it; the lock form reads it when a refused remote unlock reaches it. Any thread.
class LastRemoteUser {
public:
    void Set(std::string name) {
        std::lock_guard lock(mutex_);
        name_ = std::move(name);
    }
    std::string Get() const {
        std::lock_guard lock(mutex_);
        return name_;
    }

private:
    mutable std::mutex mutex_;
    std::string name_;
};

}  // namespace ostrel
