#include "workstation/process/preview_frame.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(PreviewFrameTest, RowsMoveOppositeWaysOnePixelPerFrame) {
    int phase = 0;
    for (int frame = 0; frame < kPreviewIconSize; ++frame) phase = NextPreviewPhase(phase);
    EXPECT_EQ(phase, 0);

    const PreviewFrame first = PreviewFrameAt(0, 200);
    const PreviewFrame next = PreviewFrameAt(1, 200);
    const PreviewFrame last = PreviewFrameAt(31, 200);
    EXPECT_EQ(first.icons[0], (PreviewPoint{-32, 0}));
    EXPECT_EQ(first.icons[5], (PreviewPoint{128, 0}));
    EXPECT_EQ(first.icons[6], (PreviewPoint{160, 76}));
    EXPECT_EQ(first.icons[11], (PreviewPoint{0, 76}));
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(next.icons[i].x, first.icons[i].x + 1);
        EXPECT_EQ(next.icons[6 + i].x, first.icons[6 + i].x - 1);
    }
    // The frame after the last phase puts each upper icon where its right neighbour began.
    EXPECT_EQ(last.icons[0].x + 1, first.icons[1].x);

    EXPECT_EQ(first.bandTopLeft, (PreviewPoint{0, 43}));
    EXPECT_EQ(first.bandBottomRight, (PreviewPoint{232, 65}));
    EXPECT_EQ(first.textTopLeft, (PreviewPoint{45, 43}));
}

}  // namespace
}  // namespace ostrel
