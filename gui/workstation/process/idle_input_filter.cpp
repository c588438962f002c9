#include "workstation/process/idle_input_filter.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <limits>

namespace ostrel {
namespace {

using Clock = std::chrono::steady_clock;

std::atomic<Clock::rep> lastInput{Clock::now().time_since_epoch().count()};

void NoteInput() {
    lastInput.store(Clock::now().time_since_epoch().count(), std::memory_order_relaxed);
}

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

void IdleInputFilter::Install() {
    static const bool installed = [] {
        QCoreApplication* application = QCoreApplication::instance();
        application->installEventFilter(new IdleInputFilter(application));
        NoteInput();
        return true;
    }();
    (void)installed;
}

std::uint32_t IdleInputFilter::ApplicationIdleMs() {
    const Clock::duration idle = Clock::now().time_since_epoch() -
                                 Clock::duration(lastInput.load(std::memory_order_relaxed));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(idle).count();
    return static_cast<std::uint32_t>(
        std::clamp<decltype(ms)>(ms, 0, std::numeric_limits<std::uint32_t>::max()));
}

bool IdleInputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (IsUserInput(event->type())) NoteInput();
    return QObject::eventFilter(watched, event);
}

}  // namespace ostrel
