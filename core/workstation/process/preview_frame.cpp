#include "workstation/process/preview_frame.h"

namespace ostrel {

namespace {

constexpr int kBandTop = 43;
constexpr int kBandBottom = 65;
constexpr int kTextLeft = 45;
constexpr int kUpperRowY = 0;
constexpr int kLowerRowY = 76;
constexpr int kIconsPerRow = 6;

}  // namespace

int NextPreviewPhase(int phase) {
    return (phase + 1) % kPreviewIconSize;
}

PreviewFrame PreviewFrameAt(int phase, int parentWidth) {
    PreviewFrame frame;
    frame.bandTopLeft = {0, kBandTop};
    frame.bandBottomRight = {parentWidth + kPreviewIconSize, kBandBottom};
    frame.textTopLeft = {kTextLeft, kBandTop};
    for (int i = 0; i < kIconsPerRow; ++i) {
        const int step = (i - 1) * kPreviewIconSize;
        frame.icons[static_cast<std::size_t>(i)] = {phase + step, kUpperRowY};
        frame.icons[static_cast<std::size_t>(kIconsPerRow + i)] = {
            (kIconsPerRow - 1 - i) * kPreviewIconSize - phase, kLowerRowY};
    }
    return frame;
}

}  // namespace ostrel
