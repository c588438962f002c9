#include "workstation/tray/tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QPainter>
#include <QPixmap>

namespace ostrel {

namespace {

const QString kNotifyService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotifyPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kNotifyTimeoutMs = 1000;

// A green padlock on black, the lock screen's colours.
QIcon LockIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 200, 0), 4));
    painter.drawArc(QRect(8, 2, 16, 20), 0, 180 * 16);
    painter.drawLine(8, 12, 8, 16);
    painter.drawLine(24, 12, 24, 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 200, 0));
    painter.drawRoundedRect(QRect(4, 14, 24, 17), 3, 3);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRect(13, 18, 6, 6));
    painter.drawRect(QRect(15, 22, 2, 6));
    return QIcon(pixmap);
}

bool NotificationsOnBus() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() != nullptr &&
           bus.interface()->isServiceRegistered(kNotifyService).value();
}

}  // namespace

TrayIcon::TrayIcon(EventLog& log, QMenu& menu, QObject* parent)
    : QObject(parent), log_(log), menu_(menu) {}

TrayIcon::~TrayIcon() {
    HideBalloon();
}

bool TrayIcon::Refresh() {
    if (icon_ != nullptr) return true;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
    icon_ = std::make_unique<QSystemTrayIcon>(LockIcon());
    icon_->setToolTip(kHint);
    icon_->setContextMenu(&menu_);
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) emit DoubleClicked();
            });
    icon_->show();
    return true;
}

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text, bool information,
                           int timeoutMs) {
    HideBalloon();
    if (icon_ == nullptr) {
        log_.ConsoleLog(title + ": " + text);
        log_.DebugLog("no notification area: balloon on the console");
        return;
    }
    if (Notify(title, text, information, timeoutMs)) return;
    icon_->showMessage(QString::fromStdString(title), QString::fromStdString(text),
                       information ? QSystemTrayIcon::Information : QSystemTrayIcon::NoIcon,
                       timeoutMs);
    trayMessageUp_ = true;
}

// Through the desktop's notification service, which can take a notification back.
bool TrayIcon::Notify(const std::string& title, const std::string& text, bool information,
                      int timeoutMs) {
    if (!NotificationsOnBus()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kNotifyService, kNotifyPath, kNotifyService, "Notify");
    call << QString(kHint) << 0u << QString(information ? "dialog-information" : "")
         << QString::fromStdString(title) << QString::fromStdString(text) << QStringList()
         << QVariantMap() << timeoutMs;
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, kNotifyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    notificationId_ = reply.arguments().first().toUInt();
    return true;
}

void TrayIcon::HideBalloon() {
    if (notificationId_ != 0) {
        QDBusMessage call = QDBusMessage::createMethodCall(kNotifyService, kNotifyPath,
                                                           kNotifyService, "CloseNotification");
        call << notificationId_;
        QDBusConnection::sessionBus().send(call);
        notificationId_ = 0;
    }
    if (trayMessageUp_ && icon_ != nullptr) {
        // An empty message takes the icon's own balloon down.
        icon_->showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0);
    }
    trayMessageUp_ = false;
}

}  // namespace ostrel
