#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// The title AutoMinimize reports for a window: its own, or "there is no title bar".
std::string AutoMinimizeTitle(std::string_view title);

// True when AutoMinimize pushes the foreground window with this title (as AutoMinimizeTitle gives
// it) down: every window except the screen savers and the lock's own dialogs.
bool AutoMinimizeHides(std::string_view title);

}  // namespace ostrel
