#pragma once

#include <QRect>
#include <QWidget>

namespace ostrel {

// The strip of help links shown at the lower right of the lock screen while it shows help.
class THelpStrip : public QWidget {
    Q_OBJECT
public:
    explicit THelpStrip(QWidget* parent);

    // Shows the strip at the right end, just above the bar, of a form with this geometry.
    void ShowAt(const QRect& form, int barHeight);

signals:
    void goBack();
    void contents();
    void exitHelp();
};

}  // namespace ostrel
