#include "workstation/process/idle_input_filter.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <functional>

namespace ostrel {
namespace {

constexpr int kQuietMs = 200;

// Input to the program's own windows restarts its idle time; other events do not.
TEST(IdleInputFilter, OwnInputRestartsTheApplicationIdleTime) {
    IdleInputFilter::Install();
    QWidget window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    struct Case {
        const char* name;
        std::function<void()> send;
        bool isInput;
    };
    const Case cases[] = {
        {"key", [&] { QTest::keyClick(&window, Qt::Key_A); }, true},
        {"mouse click", [&] { QTest::mouseClick(&window, Qt::LeftButton); }, true},
        {"mouse move", [&] { QTest::mouseMove(&window, QPoint(40, 30)); }, true},
        {"other event",
         [&] {
             QEvent event(QEvent::User);
             QCoreApplication::sendEvent(&window, &event);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTest::qWait(kQuietMs);
        const std::uint32_t before = IdleInputFilter::ApplicationIdleMs();
        ASSERT_GE(before, static_cast<std::uint32_t>(kQuietMs));
        c.send();
        const std::uint32_t after = IdleInputFilter::ApplicationIdleMs();
        if (c.isInput) {
            EXPECT_LT(after, before);
        } else {
            EXPECT_GE(after, before);
        }
    }
}

}  // namespace
}  // namespace ostrel
