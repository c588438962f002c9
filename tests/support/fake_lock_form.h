#pragma once

#include <string>
#include <vector>

#include "common/lock_form_state.h"

namespace ostrel {

// A lock form in whatever state the test sets; it counts what the checks do to it.
class FakeLockForm : public LockFormState {
public:
    LockFormStatus Status() const override { return status; }
    void ReleaseMenuButton() override { ++buttonReleases; }
    void ConsoleAppend(const std::string& text) override { appended.push_back(text); }

    LockFormStatus status = LockFormStatus::kAbsent;
    int buttonReleases = 0;
    std::vector<std::string> appended;
};

}  // namespace ostrel
