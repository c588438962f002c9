#pragma once

#include <cstdint>

namespace ostrel {

// A preview of ours is drawing: a top-level window of class "BexSLW" titled "OstrelLaunchSP"
// exists on the display. False without a display.
bool PreviewWindowPresent();

// Draws the screen-saver preview into the X window every 100 ms until that window goes away.
// False when there is no display to draw on.
bool DrawPreview(std::uint32_t parentWindow);

}  // namespace ostrel
