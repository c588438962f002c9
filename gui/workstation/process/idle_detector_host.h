#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "linux/idle_desktop_screen_saver.h"
#include "linux/logind_watcher.h"
#include "linux/x11_idle_source.h"
#include "platform/idle_sources.h"
#include "workstation/process/idle_detector.h"

namespace ostrel {

// A TmcDetectIdle over the Linux session: system idle time and the server's screen saver from
// the X display of $DISPLAY, application idle time from this program's own input, session lock
// and suspend/resume from logind, the desktop's screen saver where the session bus offers it.
// Its watch timer ticks on the thread that creates it, the GUI thread.
class IdleDetectorHost : public QObject, private IdleSources, private IdleWatchTimer {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    // On the program's system and session buses.
    explicit IdleDetectorHost(Trace trace, QObject* parent = nullptr);
    IdleDetectorHost(const QDBusConnection& systemBus, const QDBusConnection& sessionBus,
                     Trace trace, QObject* parent = nullptr);
    ~IdleDetectorHost() override;

    TmcDetectIdle& Detector() { return *detector_; }

private:
    std::uint32_t SystemIdleMs() const override;
    std::uint32_t ApplicationIdleMs() const override;
    bool SessionLocked() const override;
    bool ScreenSaverRunning() const override;
    std::optional<std::uint32_t> ScreenSaverTimeoutMs() const override;
    void Start(std::uint32_t intervalMs) override;
    void Stop() override;

    X11IdleSource display_;
    LogindWatcher logind_;
    DesktopScreenSaver desktopSaver_;
    QTimer timer_;
    std::unique_ptr<TmcDetectIdle> detector_;
};

}  // namespace ostrel
