#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "linux/logind_watcher.h"

class QScreen;

namespace ostrel {

// The power and display events the tray controller reacts to: suspend and resume from logind,
// a battery that turns low from UPower, and any change of the screens (added, removed, resized,
// primary changed), one event per burst of screen signals.
class ComputerInfoEvents : public QObject {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    explicit ComputerInfoEvents(Trace trace, QObject* parent = nullptr);

signals:
    // A power-broadcast event number (platform/sleep_events.h).
    void PowerEvent(int event);
    void DisplayChanged();

private slots:
    void BatteryPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                  const QStringList& invalidated);

private:
    void WatchScreen(QScreen* screen);

    LogindWatcher logind_;
    unsigned batteryWarningLevel_ = 0;
    QTimer displayBurst_;
};

}  // namespace ostrel
