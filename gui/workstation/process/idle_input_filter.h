#pragma once

#include <QObject>
#include <cstdint>

namespace ostrel {

// Notes, for the whole process, when this program's windows last got keyboard or mouse input.
// Lives on the GUI thread; the time may be read from any thread.
class IdleInputFilter : public QObject {
    Q_OBJECT

public:
    // Installs the filter on the application once per process and counts now as the last
    // input; later calls do nothing. Needs the application object.
    static void Install();
    // Milliseconds since the last input; counts from Install.
    static std::uint32_t ApplicationIdleMs();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit IdleInputFilter(QObject* parent) : QObject(parent) {}
};

}  // namespace ostrel
