#pragma once

#include <QRect>
#include <QWidget>

namespace ostrel {

// A black, borderless window that covers one monitor beyond the lock form's own, above every
// other window. It has no controls and no behaviour.
class TfrmBlackout : public QWidget {
public:
    explicit TfrmBlackout(const QRect& monitor);
};

// The window flags every lock window uses on X11: no frame, no taskbar entry, not managed by the
// window manager (so nothing can move, minimise or close it) and above other windows.
Qt::WindowFlags LockWindowFlags();

}  // namespace ostrel
