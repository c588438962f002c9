#include "common/qt_dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace ostrel {

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(nullptr, QApplication::applicationDisplayName(),
                             QString::fromStdString(text));
}

}  // namespace ostrel
