// Reads arbitrary bytes as command-line arguments (split at NUL): the switches stay within their
// limits, and a preview window id is a decimal number.
#include "workstation/process/command_line.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "workstation/process/process_entry.h"
#include "workstation/process/startup_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        arguments.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    const ostrel::CommandLineSwitches switches =
        ostrel::ReadSwitches(ostrel::CommandLineTextOf(arguments));
    if (switches.gotoText.size() > ostrel::kGotoTextLimit || switches.quitIntervalMs < 0 ||
        switches.quitIntervalMs > 9999 * 60000) {
        std::abort();
    }
    const std::uint32_t window = ostrel::PreviewWindowId(arguments.front());
    if (window != 0 && std::to_string(window).size() > arguments.front().size()) std::abort();
    const auto entry = ostrel::AutostartEntryText("Ostrel", arguments);
    // An entry holds its key lines and nothing else.
    if (entry && std::count(entry->begin(), entry->end(), '\n') != 6) std::abort();
    return 0;
}
