#include "workstation/lock/screen_cover.h"

namespace ostrel {

ScreenCover PlanScreenCover(const std::vector<ScreenRect>& monitors) {
    ScreenCover cover;
    if (monitors.empty()) return cover;
    cover.lockForm = monitors.front();
    cover.blackouts.assign(monitors.begin() + 1, monitors.end());
    return cover;
}

}  // namespace ostrel
