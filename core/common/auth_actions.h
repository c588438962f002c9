#pragma once

#include <string_view>

#include "common/ostrel_settings.h"

namespace ostrel {

// The privileged actions, each with the text the permission check shows and logs.
enum class AuthAction {
    kChangeOptions,
    kViewLogs,
    kExitOstrel,
    kStandby,
    kHibernate,
    kSuspendNetwork,
    kResumeNetwork,
    kViewHelpFile,
    kChangeConsoleMode,
    kChangeLayouts,
    kReadMessages,
    kUnlockOstrel,
    kUnlockAndExit,
    kEditLayoutCode,
    kChangeAwayMessage,
    kLaunchBrowser,
    kInstallNewVersion,
};

// "change Options", "view Logs", ...
std::string_view ActionText(AuthAction action);
// The level an account needs: Admin, or Unlock where the action's user switch is on.
int RequiredLevel(AuthAction action, const TOstrelSettings& settings);
// True when a user switch frees the action from any check (help file, console mode).
bool NeedsNoCheck(AuthAction action, const TOstrelSettings& settings);

// Security events that callers report themselves when the check refuses.
inline constexpr std::string_view kTrayOptionsRefused = "Bad Password to access Options";
inline constexpr std::string_view kTrayLogsRefused =
    "Bad Password in Authorize routine for View Logs";
inline constexpr std::string_view kHelpFileRefused = "Bad credentials to view help file.";
inline constexpr std::string_view kConsoleModeRefused = "Bad credentials to change console mode.";

}  // namespace ostrel
