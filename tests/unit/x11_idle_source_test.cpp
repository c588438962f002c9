#include "linux/x11_idle_source.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

// Tests run without a display (offscreen): every reading must fall back, not fail.
TEST(X11IdleSource, WithoutADisplayEveryReadingFallsBack) {
    for (const char* display : {":59999", "no display here"}) {
        SCOPED_TRACE(display);
        const X11IdleSource source(display);
        EXPECT_FALSE(source.Available());
        EXPECT_EQ(source.SystemIdleMs(), 0u);
        EXPECT_FALSE(source.ScreenSaverOn());
        EXPECT_EQ(source.ScreenSaverTimeoutMs(), std::nullopt);
    }
}

}  // namespace
}  // namespace ostrel
