#pragma once

#include <string>

#include "platform/clock.h"

namespace ostrel {

// What the tray menu's items open. Folders end with "/".
struct TrayFolders {
    std::string program;  // the program folder
    std::string data;     // the data folder
    std::string home;     // the user's home folder
};

inline constexpr const char* kMakerSite = "https://www.keltrix.com/ostrel/";
inline constexpr const char* kMakerSupportMail = "mailto:ostrel-dev@keltrix.com";

std::string UpdateScriptPath(const TrayFolders& folders);
std::string LogsFolder(const TrayFolders& folders);
std::string TodaysLogPath(const TrayFolders& folders, const LocalDateTime& now);
// The deployment folder an administrator prepares for other computers.
std::string DeployFolder(const TrayFolders& folders);
std::string HelpIndexPath(const TrayFolders& folders);
// A page of the maker's web site ("" for its home page).
std::string MakerPage(const std::string& page);

}  // namespace ostrel
