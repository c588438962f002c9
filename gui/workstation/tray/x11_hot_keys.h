#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "workstation/process/tray_hot_key.h"

namespace ostrel {

// System-wide hot keys: passive grabs of each combination on the root window of the X display,
// with and without CapsLock and NumLock. A combination that another client holds stays
// unregistered. Without an X display nothing is registered.
class X11HotKeys : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    using Trace = std::function<void(const std::string&)>;

    explicit X11HotKeys(Trace trace, QObject* parent = nullptr);
    ~X11HotKeys() override;

    // Gives every grab back and forgets the hot keys.
    void Clear();
    void Add(const NumberedHotKey& hotKey);
    // Grabs every hot key added; those that cannot be grabbed stay out, silently.
    void Activate();
    bool Registered(int number) const;

signals:
    void HotKeyPressed(int number);

private:
    struct Grab {
        NumberedHotKey hotKey;
        std::uint8_t keycode = 0;
        bool registered = false;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool GrabAll(Grab& grab);
    void Ungrab(const Grab& grab);

    Trace trace_;
    std::vector<Grab> grabs_;
    std::uint16_t numLockMask_ = 0;
    std::uint32_t root_ = 0;
};

}  // namespace ostrel
