#include "workstation/process/idle_detector_host.h"

#include <algorithm>
#include <limits>

#include "workstation/process/idle_input_filter.h"

namespace ostrel {

IdleDetectorHost::IdleDetectorHost(Trace trace, QObject* parent)
    : IdleDetectorHost(QDBusConnection::systemBus(), QDBusConnection::sessionBus(),
                       std::move(trace), parent) {}

IdleDetectorHost::IdleDetectorHost(const QDBusConnection& systemBus,
                                   const QDBusConnection& sessionBus, Trace trace, QObject* parent)
    : QObject(parent), logind_(systemBus, trace), desktopSaver_(sessionBus) {
    IdleInputFilter::Install();
    if (!display_.Available()) trace("IdleDetect: no X idle time, system idle time reads 0");
    detector_ = std::make_unique<TmcDetectIdle>(static_cast<const IdleSources&>(*this),
                                                static_cast<IdleWatchTimer&>(*this));
    connect(&timer_, &QTimer::timeout, this, [this] { detector_->TimerTick(); });
    connect(&logind_, &LogindWatcher::PowerEvent, this,
            [this](int event) { detector_->PowerBroadcast(event); });
}

// The detector stops its timer while the host's members still live.
IdleDetectorHost::~IdleDetectorHost() = default;

std::uint32_t IdleDetectorHost::SystemIdleMs() const {
    return display_.SystemIdleMs();
}

std::uint32_t IdleDetectorHost::ApplicationIdleMs() const {
    return IdleInputFilter::ApplicationIdleMs();
}

bool IdleDetectorHost::SessionLocked() const {
    return logind_.SessionLocked();
}

bool IdleDetectorHost::ScreenSaverRunning() const {
    const std::optional<bool> desktop = desktopSaver_.Active();
    return desktop ? *desktop : display_.ScreenSaverOn();
}

std::optional<std::uint32_t> IdleDetectorHost::ScreenSaverTimeoutMs() const {
    return display_.ScreenSaverTimeoutMs();
}

void IdleDetectorHost::Start(std::uint32_t intervalMs) {
    timer_.start(
        static_cast<int>(std::min<std::uint32_t>(intervalMs, std::numeric_limits<int>::max())));
}

void IdleDetectorHost::Stop() {
    timer_.stop();
}

}  // namespace ostrel
