#include "workstation/lock/blackout_form.h"

namespace ostrel {

Qt::WindowFlags LockWindowFlags() {
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::X11BypassWindowManagerHint | Qt::Tool;
}

TfrmBlackout::TfrmBlackout(const QRect& monitor) : QWidget(nullptr, LockWindowFlags()) {
    setObjectName("frmBlackout");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setGeometry(monitor);
}

}  // namespace ostrel
