#include "workstation/lock/analog_clock.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ostrel {

namespace {

// Draws a hand from the centre, `angle` degrees clockwise from twelve o'clock.
void DrawHand(QPainter& painter, double angle, double length, double width, const QColor& colour) {
    painter.save();
    painter.rotate(angle);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, length * 0.15), QPointF(0, -length));
    painter.restore();
}

}  // namespace

AnalogClock::AnalogClock(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void AnalogClock::SetColours(const QColor& face, const QColor& dots, const QColor& hands) {
    face_ = face;
    dots_ = dots;
    hands_ = hands;
    update();
}

void AnalogClock::SetShowSeconds(bool show) {
    showSeconds_ = show;
    update();
}

void AnalogClock::SetRunning(bool running) {
    if (running) {
        timer_.start();
    } else {
        timer_.stop();
    }
    update();
}

void AnalogClock::FreezeAt(const QTime& time) {
    frozen_ = time;
    update();
}

void AnalogClock::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), face_);

    const double radius = std::min(width(), height()) / 2.0 - 2.0;
    if (radius <= 4) return;
    painter.translate(width() / 2.0, height() / 2.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(dots_);
    for (int minute = 0; minute < 60; ++minute) {
        const bool hour = minute % 5 == 0;
        const double dot = hour ? std::max(2.0, radius / 24) : std::max(1.0, radius / 70);
        painter.save();
        painter.rotate(minute * 6.0);
        painter.drawEllipse(QPointF(0, -(radius - dot)), dot, dot);
        painter.restore();
    }

    const QTime now = frozen_.value_or(QTime::currentTime());
    const double seconds = now.second();
    const double minutes = now.minute() + seconds / 60.0;
    const double hours = (now.hour() % 12) + minutes / 60.0;
    const double handWidth = std::max(2.0, radius / 14);
    DrawHand(painter, hours * 30.0, radius * 0.55, handWidth * 1.3, hands_);
    DrawHand(painter, minutes * 6.0, radius * 0.8, handWidth, hands_);
    if (showSeconds_) DrawHand(painter, seconds * 6.0, radius * 0.85, handWidth / 2.5, dots_);
    painter.setBrush(hands_);
    painter.drawEllipse(QPointF(0, 0), handWidth, handWidth);
}

}  // namespace ostrel
