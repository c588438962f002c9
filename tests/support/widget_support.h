#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace ostrel {

// Shows the window and makes it the active one, so focus moves as it would for a person.
inline bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Presses and releases a key on the widget that has the focus, as a person's key would land.
inline void PressOnFocus(QWidget* window, Qt::Key key) {
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, key);
}

}  // namespace ostrel
