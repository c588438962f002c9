#include "workstation/tray/computer_info_events.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QScreen>

namespace ostrel {

ComputerInfoEvents::ComputerInfoEvents(Trace trace, QObject* parent)
    : QObject(parent), logind_(QDBusConnection::systemBus(), std::move(trace)) {
    connect(&logind_, &LogindWatcher::PowerEvent, this, &ComputerInfoEvents::PowerEvent);

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

}  // namespace ostrel
