#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <cstdint>
#include <memory>
#include <string>

#include "common/event_log.h"

namespace ostrel {

// The notification-area icon with its pop-up menu and balloons. Where the desktop has no
// notification area there is no icon, and a balloon is a console line.
class TrayIcon : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kHint = "Ostrel 3.0";

    TrayIcon(EventLog& log, QMenu& menu, QObject* parent = nullptr);
    ~TrayIcon() override;

    // Puts the icon up once the desktop has a notification area (it may come after this
    // program). True when the icon shows.
    bool Refresh();
    bool Shown() const { return icon_ != nullptr; }

    void ShowBalloon(const std::string& title, const std::string& text, bool information,
                     int timeoutMs);
    void HideBalloon();

signals:
    // A double click on the icon, which runs the menu's default item.
    void DoubleClicked();

private:
    bool Notify(const std::string& title, const std::string& text, bool information, int timeoutMs);

    EventLog& log_;
    QMenu& menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::uint32_t notificationId_ = 0;
    bool trayMessageUp_ = false;
};

}  // namespace ostrel
