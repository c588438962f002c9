#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/event_log.h"
#include "common/settings_store.h"
#include "platform/file_system.h"

namespace ostrel {

// Where the start-up entries live: desktop entries that the session starts at log-in.
std::string AutostartFolder(const std::string& configFolder);

// Our entries' file names: the one run at every log-in, the one run at the next log-in only,
// the start helper's, and the launcher's (written by earlier versions, only ever removed).
inline constexpr const char* kRunEntryFile = "ostrel3.desktop";
inline constexpr const char* kRunOnceEntryFile = "ostrel3-once.desktop";
inline constexpr const char* kStartHelperEntryFile = "ostrel3-olstart.desktop";
inline constexpr const char* kLauncherEntryFile = "ostrel3-launch.desktop";

// A desktop entry that starts the program with the arguments; nothing when an argument holds a
// control character, which no entry line can carry.
std::optional<std::string> AutostartEntryText(const std::string& name,
                                              const std::vector<std::string>& command);

struct StartupDataContext {
    std::string executablePath;
    std::string autostartFolder;  // ends with "/"
    bool startedWithRo = false;
};

// Records the program's location and rewrites the start-up entries for the StartupMode setting:
// 1 runs the program with -runkey at every log-in; 2 runs it with -ro at the next log-in (unless
// this instance was started so) and the start helper at every log-in. False when the location or
// the program's own entry could not be written; the entries removed before stay removed.
bool WriteStartupData(const StartupDataContext& context, OstrelSettingsStore& settings,
                      FileSystem& fileSystem, EventLog& log);

// The run-once entry has served once the program runs with -ro.
void RemoveRunOnceEntry(FileSystem& fileSystem, const std::string& autostartFolder);

}  // namespace ostrel
