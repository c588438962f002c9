#include "linux/linux_clock.h"

#include <time.h>

namespace ostrel {

LocalDateTime LinuxClock::Now() const {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local {};
    ::localtime_r(&now.tv_sec, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_nsec / 1000000)};
}

std::int64_t LinuxClock::TickMs() const {
    timespec now {};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace ostrel
