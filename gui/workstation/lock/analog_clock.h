#pragma once

#include <QColor>
#include <QTime>
#include <QTimer>
#include <QWidget>
#include <optional>

namespace ostrel {

// A twelve-hour analog clock: a face in the widget's middle with dots for the minutes (larger
// for the hours), hour and minute hands in the hand colour and an optional seconds hand. It
// follows the time once a second while running.
class AnalogClock : public QWidget {
    Q_OBJECT

public:
    explicit AnalogClock(QWidget* parent);

    void SetColours(const QColor& face, const QColor& dots, const QColor& hands);
    void SetShowSeconds(bool show);
    void SetRunning(bool running);
    bool IsRunning() const { return timer_.isActive(); }
    // Shows this time instead of the current one (for pictures of a layout).
    void FreezeAt(const QTime& time);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    QColor face_ = Qt::black;
    QColor dots_ = Qt::darkCyan;
    QColor hands_ = Qt::green;
    bool showSeconds_ = true;
    std::optional<QTime> frozen_;
};

}  // namespace ostrel
