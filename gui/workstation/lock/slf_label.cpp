#include "workstation/lock/slf_label.h"

#include <QMouseEvent>

#include "common/date_format.h"
#include "common/number_helpers.h"
#include "workstation/lock/qt_font_colour.h"

namespace ostrel {

SlfLabel::SlfLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void SlfLabel::SetCaption(const QString& caption) {
    setText(caption);
    Fit();
}

void SlfLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Fit();
}

void SlfLabel::SetWrapping(bool wrap) {
    setWordWrap(wrap);
    Fit();
}

void SlfLabel::ShowMoment(const LocalDateTime& moment) {
    SetCaption(ToQString(FormatDateTime(format_, moment)));
}

void SlfLabel::ShowDuration(std::int64_t seconds) {
    SetCaption(ToQString(FormatDuration(seconds)));
}

void SlfLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void SlfLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void SlfLabel::Fit() {
    if (!autoSize_) return;
    if (wordWrap()) {
        resize(width(), heightForWidth(width()));
    } else {
        resize(sizeHint());
    }
}

}  // namespace ostrel
