#include "common/auth_actions.h"

#include <algorithm>
#include <array>

#include "common/permissions.h"

namespace ostrel {
namespace {

using Switch = bool TOstrelSettings::*;

struct ActionRule {
    AuthAction action;
    std::string_view text;
    int level;
    // Lowers the level to Unlock when on.
    Switch unlockSwitch;
    // Lets the action go ahead unchecked when on.
    Switch freeSwitch;
};

constexpr std::array kRules{
    ActionRule{AuthAction::kChangeOptions, "change Options", kPermissionAdmin, nullptr, nullptr},
    ActionRule{AuthAction::kViewLogs, "view Logs", kPermissionAdmin, &TOstrelSettings::UserViewLogs,
               nullptr},
    ActionRule{AuthAction::kExitOstrel, "Exit Ostrel", kPermissionAdmin,
               &TOstrelSettings::UserExitOstrel, nullptr},
    ActionRule{AuthAction::kStandby, "put system in Standby", kPermissionAdmin,
               &TOstrelSettings::UserStandby, nullptr},
    ActionRule{AuthAction::kHibernate, "Hibernate system", kPermissionAdmin,
               &TOstrelSettings::UserStandby, nullptr},
    ActionRule{AuthAction::kSuspendNetwork, "suspend network access", kPermissionAdmin,
               &TOstrelSettings::UserSuspendNetwork, nullptr},
    ActionRule{AuthAction::kResumeNetwork, "resume network access", kPermissionAdmin,
               &TOstrelSettings::UserSuspendNetwork, nullptr},
    ActionRule{AuthAction::kViewHelpFile, "view help file", kPermissionAdmin, nullptr,
               &TOstrelSettings::UserAccessHelp},
    ActionRule{AuthAction::kChangeConsoleMode, "change console mode", kPermissionAdmin, nullptr,
               &TOstrelSettings::UserChangeConsole},
    ActionRule{AuthAction::kChangeLayouts, "change layouts", kPermissionAdmin, nullptr, nullptr},
    ActionRule{AuthAction::kReadMessages, "read messages", kPermissionAdmin, nullptr, nullptr},
    ActionRule{AuthAction::kUnlockOstrel, "unlock Ostrel", kPermissionAdmin, nullptr, nullptr},
    ActionRule{AuthAction::kUnlockAndExit, "unlock && exit Ostrel", kPermissionUnlock, nullptr,
               nullptr},
    ActionRule{AuthAction::kEditLayoutCode, "edit layout code", kPermissionAdmin, nullptr, nullptr},
    ActionRule{AuthAction::kChangeAwayMessage, "change away message", kPermissionUnlock, nullptr,
               nullptr},
    ActionRule{AuthAction::kLaunchBrowser, "launch an external browser window", kPermissionAdmin,
               nullptr, nullptr},
    ActionRule{AuthAction::kInstallNewVersion, "install new version of Ostrel", kPermissionAdmin,
               nullptr, nullptr},
};

const ActionRule& RuleOf(AuthAction action) {
    return *std::ranges::find(kRules, action, &ActionRule::action);
}

bool IsOn(Switch userSwitch, const TOstrelSettings& settings) {
    return userSwitch != nullptr && settings.*userSwitch;
}

}  // namespace

std::string_view ActionText(AuthAction action) {
    return RuleOf(action).text;
}

int RequiredLevel(AuthAction action, const TOstrelSettings& settings) {
    const ActionRule& rule = RuleOf(action);
    return IsOn(rule.unlockSwitch, settings) ? kPermissionUnlock : rule.level;
}

bool NeedsNoCheck(AuthAction action, const TOstrelSettings& settings) {
    return IsOn(RuleOf(action).freeSwitch, settings);
}

}  // namespace ostrel
