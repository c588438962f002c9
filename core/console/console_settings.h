#pragma once

#include <string_view>

#include "common/ini_file.h"

namespace ostrel {

// The console's section of the per-user settings store.
inline constexpr std::string_view kConsoleSettingsSection =
    "Software\\Keltrix\\Ostrel Manager\\settings";

// The console settings the network side uses, with their defaults.
struct ConsoleSettings {
    int scanTimeoutMs = 2000;  // "scantimeout"
    int udpTimeoutMs = 2000;   // "udptimeout"
    int httpTimeoutMs = 4000;  // "httptimeout"
    bool hideUpdate = true;    // "hideupdate"
};

// Reads the values of the console's section; a time-out outside 10 to 15000 ms keeps its
// default.
ConsoleSettings LoadConsoleSettings(const IniFile& store);

}  // namespace ostrel
