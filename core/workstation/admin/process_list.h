#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/event_log.h"
#include "platform/process_snapshot.h"

namespace ostrel {

// One running process.
struct TProcessObject {
    std::uint32_t processId = 0;
    // The executable's file name without folder.
    std::string executable;
    // Always empty.
    std::string folder;
};

// The running processes, in the order the last snapshot reported them.
class TProcessList {
public:
    // Longest executable name kept, in bytes; a longer one is cut at a character boundary.
    static constexpr std::size_t kMaxExecutableLength = 255;

    // Empties the list, then fills it from a new snapshot; a failed snapshot leaves it empty.
    void Refresh(const ProcessSnapshot& snapshot);

    const std::vector<TProcessObject>& Items() const { return items_; }

private:
    std::vector<TProcessObject> items_;
};

// The executables of all listed processes, each followed by CR, in list order.
std::string ProcessNamesText(const TProcessList& list);

// The decimal id of the first listed process whose executable equals `name` with ASCII letters
// compared without regard to case; "0" when none does. Traces executable + " <> " + name for each
// process compared.
std::string FindProcessId(const TProcessList& list, std::string_view name, EventLog& log);

}  // namespace ostrel
