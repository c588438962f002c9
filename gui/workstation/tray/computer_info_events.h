#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "linux/logind_watcher.h"

class QScreen;

namespace ostrel {

// The power and display events the tray controller reacts to: suspend and resume from logind,
// and any change of the screens (added, removed, resized, primary changed), one event per
// burst of screen signals.
class ComputerInfoEvents : public QObject {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    explicit ComputerInfoEvents(Trace trace, QObject* parent = nullptr);

signals:
    // A power-broadcast event number (platform/sleep_events.h).
    void PowerEvent(int event);
    void DisplayChanged();

private:
    void WatchScreen(QScreen* screen);

    LogindWatcher logind_;
    QTimer displayBurst_;
};

}  // namespace ostrel
