#include "workstation/lock/right_click_gesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace ostrel {
namespace {

struct GestureCase {
    const char* name;
    std::vector<std::int64_t> clicks;
    // Index of each click that opens the menu.
    std::vector<size_t> opens;
};

class RightClickGestureTest : public ::testing::TestWithParam<GestureCase> {};

TEST_P(RightClickGestureTest, OpensOnThirdQuickClick) {
    RightClickGesture gesture;
    std::vector<size_t> opened;
    for (size_t i = 0; i < GetParam().clicks.size(); ++i) {
        if (gesture.Click(GetParam().clicks[i])) opened.push_back(i);
    }
    EXPECT_EQ(opened, GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RightClickGestureTest,
    ::testing::Values(GestureCase{"ThreeQuick", {10000, 10300, 10600}, {2}},
                      GestureCase{"AtProcessStart", {0, 100, 200}, {2}},
                      GestureCase{"PauseBetweenSecondAndThird", {10000, 10500, 13000}, {}},
                      GestureCase{"PauseStartsNewSeries", {10000, 13000, 13500, 14000}, {3}},
                      GestureCase{"ExactlyTwoSecondsIsNotQuick", {10000, 12000, 14000}, {}},
                      GestureCase{
                          "SixQuickOpenTwice", {1000, 1100, 1200, 1300, 1400, 1500}, {2, 5}},
                      GestureCase{"TwoQuickNeverOpen", {1000, 1100}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RightClickGestureReset, ForgetsEarlierClicks) {
    RightClickGesture gesture;
    gesture.Click(1000);
    gesture.Click(1100);
    gesture.Reset();
    EXPECT_FALSE(gesture.Click(1200));
    EXPECT_FALSE(gesture.Click(1300));
    EXPECT_TRUE(gesture.Click(1400));
}

}  // namespace
}  // namespace ostrel
