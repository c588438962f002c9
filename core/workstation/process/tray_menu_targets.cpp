#include "workstation/process/tray_menu_targets.h"

#include "common/event_log.h"

namespace ostrel {

std::string UpdateScriptPath(const TrayFolders& folders) {
    return folders.program + "update.sh";
}

std::string LogsFolder(const TrayFolders& folders) {
    return folders.data + "Logs/";
}

std::string TodaysLogPath(const TrayFolders& folders, const LocalDateTime& now) {
    return LogsFolder(folders) + DailyLogFileName(now);
}

std::string DeployFolder(const TrayFolders& folders) {
    return folders.home + "OstrelDeploy/";
}

std::string HelpIndexPath(const TrayFolders& folders) {
    return folders.program + "htmlhelp/index.html";
}

std::string MakerPage(const std::string& page) {
    return kMakerSite + page;
}

}  // namespace ostrel
