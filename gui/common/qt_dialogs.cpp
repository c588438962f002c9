#include "common/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace ostrel {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::kInformation:
            return QMessageBox::Information;
        case MessageIcon::kWarning:
            return QMessageBox::Warning;
        case MessageIcon::kError:
            return QMessageBox::Critical;
        case MessageIcon::kNone:
            break;
    }
    return QMessageBox::NoIcon;
}

QWidget* ActiveWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : QApplication::activeWindow();
}

}  // namespace

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(ActiveWindow(), QApplication::applicationDisplayName(),
                             QString::fromStdString(text));
}

MessageReply QtDialogs::ShowMessageBox(const MessageBoxRequest& request) {
    const QString caption = request.caption.empty() ? QApplication::applicationDisplayName()
                                                    : QString::fromStdString(request.caption);
    const QMessageBox::StandardButtons buttons = request.buttons == MessageButtons::kOkCancel
                                                     ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok;
    QMessageBox box(QtIcon(request.icon), caption, QString::fromStdString(request.text), buttons,
                    ActiveWindow());
    box.setWindowFlag(Qt::WindowStaysOnTopHint, request.topmost);
    return box.exec() == QMessageBox::Ok ? MessageReply::kOk : MessageReply::kCancel;
}

}  // namespace ostrel
