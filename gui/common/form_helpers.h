#pragma once

#include <QString>
#include <string>
#include <string_view>

class QEvent;
class QLineEdit;
class QObject;
class QWidget;

namespace ostrel {

// The box's text as the core takes it.
std::string TextOf(const QLineEdit* edit);
// A caption in the form library's convention, where "&&" shows one ampersand and a lone "&"
// marks a shortcut letter, as plain text.
QString PlainCaption(std::string_view caption);
// A press of Enter or Return.
bool IsEnterPress(const QEvent* event);
bool IsEscapePress(const QEvent* event);
// Lets the form see key presses first: the filter watches every child widget of the form.
void PreviewKeys(QWidget* form, QObject* filter);
// Moves the dialog to the middle of its screen.
void CentreOnScreen(QWidget* dialog);

}  // namespace ostrel
