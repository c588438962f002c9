#pragma once

#include <QWidget>

namespace ostrel {

// A bevelled box of one-pixel lines: a lowered bevel has its shadow at the top and left, a
// raised one at the bottom and right. It draws nothing inside.
class SlfBevel : public QWidget {
public:
    explicit SlfBevel(QWidget* parent);
    void SetLowered(bool lowered);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lowered_ = false;
};

}  // namespace ostrel
