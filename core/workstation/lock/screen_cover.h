#pragma once

#include <vector>

namespace ostrel {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Where the lock form and the blackout forms go: the form on the first monitor of the list, one
// blackout form on each further monitor.
struct ScreenCover {
    ScreenRect lockForm;
    std::vector<ScreenRect> blackouts;
};

ScreenCover PlanScreenCover(const std::vector<ScreenRect>& monitors);

}  // namespace ostrel
