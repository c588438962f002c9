#include "workstation/lock/screen_cover.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(ScreenCover, LockFormOnTheFirstMonitorAndABlackoutOnEachOther) {
    const ScreenRect primary{0, 0, 1920, 1080};
    const ScreenRect right{1920, 0, 1280, 1024};
    const ScreenRect above{0, -768, 1024, 768};

    const ScreenCover one = PlanScreenCover({primary});
    EXPECT_EQ(one.lockForm, primary);
    EXPECT_TRUE(one.blackouts.empty());

    const ScreenCover three = PlanScreenCover({primary, right, above});
    EXPECT_EQ(three.lockForm, primary);
    EXPECT_EQ(three.blackouts, (std::vector<ScreenRect>{right, above}));

    EXPECT_TRUE(PlanScreenCover({}).blackouts.empty());
}

}  // namespace
}  // namespace ostrel
