#include "common/form_helpers.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QWidget>

namespace ostrel {
namespace {

bool IsKeyPress(const QEvent* event, std::initializer_list<int> keys) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QString PlainCaption(std::string_view caption) {
    std::string plain;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 >= caption.size() || caption[i + 1] != '&') continue;
            ++i;
        }
        plain += caption[i];
    }
    return QString::fromStdString(plain);
}

bool IsEnterPress(const QEvent* event) {
    return IsKeyPress(event, {Qt::Key_Return, Qt::Key_Enter});
}

bool IsEscapePress(const QEvent* event) {
    return IsKeyPress(event, {Qt::Key_Escape});
}

void PreviewKeys(QWidget* form, QObject* filter) {
    for (QWidget* child : form->findChildren<QWidget*>()) child->installEventFilter(filter);
}

void CentreOnScreen(QWidget* dialog) {
    const QScreen* screen = dialog->screen();
    if (screen == nullptr) return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

}  // namespace ostrel
