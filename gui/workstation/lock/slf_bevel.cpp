#include "workstation/lock/slf_bevel.h"

#include <QPainter>

namespace ostrel {

SlfBevel::SlfBevel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlfBevel::SetLowered(bool lowered) {
    lowered_ = lowered;
    update();
}

void SlfBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QColor& topLeft = lowered_ ? shadow : light;
    const QColor& bottomRight = lowered_ ? light : shadow;
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(topLeft);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(bottomRight);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}

}  // namespace ostrel
