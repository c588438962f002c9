#include "workstation/lock/right_click_gesture.h"

namespace ostrel {

bool RightClickGesture::Click(std::int64_t tickMs) {
    const bool quick = lastTickMs_ && tickMs - *lastTickMs_ < kWindowMs;
    // A click after a pause starts a new series and counts as its first click.
    count_ = quick ? count_ + 1 : 1;
    lastTickMs_ = tickMs;
    if (count_ > 2) {
        count_ = 0;
        return true;
    }
    return false;
}

void RightClickGesture::Reset() {
    count_ = 0;
    lastTickMs_.reset();
}

}  // namespace ostrel
