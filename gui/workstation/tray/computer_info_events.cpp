#include "workstation/tray/computer_info_events.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QScreen>

#include "platform/sleep_events.h"

namespace ostrel {

namespace {

const QString kUPower = QStringLiteral("org.freedesktop.UPower");
const QString kDisplayDevice = QStringLiteral("/org/freedesktop/UPower/devices/DisplayDevice");
const QString kDeviceInterface = QStringLiteral("org.freedesktop.UPower.Device");
const QString kWarningLevel = QStringLiteral("WarningLevel");
// UPower's warning levels from "low" on (low, critical, action).
constexpr unsigned kWarningLow = 3;

}  // namespace

ComputerInfoEvents::ComputerInfoEvents(Trace trace, QObject* parent)
    : QObject(parent), logind_(QDBusConnection::systemBus(), std::move(trace)) {
    connect(&logind_, &LogindWatcher::PowerEvent, this, &ComputerInfoEvents::PowerEvent);
    QDBusConnection::systemBus().connect(
        kUPower, kDisplayDevice, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"), this,
        SLOT(BatteryPropertiesChanged(QString, QVariantMap, QStringList)));

    displayBurst_.setSingleShot(true);
    displayBurst_.setInterval(0);
    connect(&displayBurst_, &QTimer::timeout, this, &ComputerInfoEvents::DisplayChanged);
    for (QScreen* screen : QGuiApplication::screens()) WatchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        WatchScreen(screen);
        displayBurst_.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, &displayBurst_, qOverload<>(&QTimer::start));
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &displayBurst_,
            qOverload<>(&QTimer::start));
}

void ComputerInfoEvents::WatchScreen(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, &displayBurst_, qOverload<>(&QTimer::start));
}

void ComputerInfoEvents::BatteryPropertiesChanged(const QString& interface,
                                                  const QVariantMap& changed, const QStringList&) {
    if (interface != kDeviceInterface) return;
    const auto level = changed.constFind(kWarningLevel);
    if (level == changed.constEnd()) return;
    const unsigned previous = batteryWarningLevel_;
    batteryWarningLevel_ = level->toUInt();
    if (batteryWarningLevel_ >= kWarningLow && previous < kWarningLow)
        emit PowerEvent(kPowerBatteryLow);
}

}  // namespace ostrel
