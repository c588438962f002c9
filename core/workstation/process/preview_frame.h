#pragma once

#include <array>

namespace ostrel {

// One frame of the screen-saver preview: a black band across the parent window with green text
// on it, and two rows of chain icons that move in opposite directions, one pixel per frame.
struct PreviewPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const PreviewPoint&, const PreviewPoint&) = default;
};

struct PreviewFrame {
    PreviewPoint bandTopLeft;
    PreviewPoint bandBottomRight;
    PreviewPoint textTopLeft;
    std::array<PreviewPoint, 12> icons;  // upper row, then lower row
};

inline constexpr const char* kPreviewText = "Ostrel 3.0";
inline constexpr int kPreviewIconSize = 32;
inline constexpr int kPreviewFrameMs = 100;

// The phase of the next frame (0 to 31, wrapping).
int NextPreviewPhase(int phase);
PreviewFrame PreviewFrameAt(int phase, int parentWidth);

}  // namespace ostrel
