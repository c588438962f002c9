#pragma once

#include <vector>

#include "platform/process_snapshot.h"

namespace ostrel {

// Reports the processes a test lists, and counts the snapshots taken.
class FakeProcessSnapshot : public ProcessSnapshot {
public:
    std::vector<ProcessEntry> Processes() const override {
        ++snapshots;
        return processes;
    }

    std::vector<ProcessEntry> processes;
    mutable int snapshots = 0;
};

}  // namespace ostrel
