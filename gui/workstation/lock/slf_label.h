#pragma once

#include <QLabel>
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace ostrel {

// A label of an SLF layout: plain text at the top left, optionally sized to its caption (with
// word wrap only the height follows the text). Clock and uptime labels keep a date-time format.
class SlfLabel : public QLabel {
    Q_OBJECT

public:
    explicit SlfLabel(QWidget* parent);

    void SetCaption(const QString& caption);
    void SetAutoSize(bool autoSize);
    void SetWrapping(bool wrap);

    void SetFormat(std::string format) { format_ = std::move(format); }
    const std::string& Format() const { return format_; }
    // The moment written with the label's format.
    void ShowMoment(const LocalDateTime& moment);
    // "1 hrs 1 min 1 sec".
    void ShowDuration(std::int64_t seconds);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Fit();

    bool autoSize_ = false;
    std::string format_;
};

}  // namespace ostrel
