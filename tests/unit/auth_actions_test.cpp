#include "common/auth_actions.h"

#include <gtest/gtest.h>

#include "common/permissions.h"

namespace ostrel {
namespace {

using Switch = bool TOstrelSettings::*;

struct ActionCase {
    AuthAction action;
    const char* text;
    int level;
    // The switch that lowers the level to Unlock, if any.
    Switch lowering;
    // The switch that frees the action from the check, if any.
    Switch freeing;
};

const ActionCase kActions[] = {
    {AuthAction::kChangeOptions, "change Options", 2, nullptr, nullptr},
    {AuthAction::kViewLogs, "view Logs", 2, &TOstrelSettings::UserViewLogs, nullptr},
    {AuthAction::kExitOstrel, "Exit Ostrel", 2, &TOstrelSettings::UserExitOstrel, nullptr},
    {AuthAction::kStandby, "put system in Standby", 2, &TOstrelSettings::UserStandby, nullptr},
    {AuthAction::kHibernate, "Hibernate system", 2, &TOstrelSettings::UserStandby, nullptr},
    {AuthAction::kSuspendNetwork, "suspend network access", 2, &TOstrelSettings::UserSuspendNetwork,
     nullptr},
    {AuthAction::kResumeNetwork, "resume network access", 2, &TOstrelSettings::UserSuspendNetwork,
     nullptr},
    {AuthAction::kViewHelpFile, "view help file", 2, nullptr, &TOstrelSettings::UserAccessHelp},
    {AuthAction::kChangeConsoleMode, "change console mode", 2, nullptr,
     &TOstrelSettings::UserChangeConsole},
    {AuthAction::kChangeLayouts, "change layouts", 2, nullptr, nullptr},
    {AuthAction::kReadMessages, "read messages", 2, nullptr, nullptr},
    {AuthAction::kUnlockOstrel, "unlock Ostrel", 2, nullptr, nullptr},
    {AuthAction::kUnlockAndExit, "unlock && exit Ostrel", 1, nullptr, nullptr},
    {AuthAction::kEditLayoutCode, "edit layout code", 2, nullptr, nullptr},
    {AuthAction::kChangeAwayMessage, "change away message", 1, nullptr, nullptr},
    {AuthAction::kLaunchBrowser, "launch an external browser window", 2, nullptr, nullptr},
    {AuthAction::kInstallNewVersion, "install new version of Ostrel", 2, nullptr, nullptr},
};

// Every user switch, the four that no action consults included.
const Switch kUserSwitches[] = {
    &TOstrelSettings::UserChangeLayout,   &TOstrelSettings::UserStandby,
    &TOstrelSettings::UserViewMessages,   &TOstrelSettings::UserViewLogs,
    &TOstrelSettings::UserChangePassword, &TOstrelSettings::UserExitOstrel,
    &TOstrelSettings::UserChangeSS,       &TOstrelSettings::UserSuspendNetwork,
    &TOstrelSettings::UserAccessHelp,     &TOstrelSettings::UserChangeConsole,
};

TEST(AuthActions, EachSwitchActsOnlyOnItsOwnActions) {
    for (const ActionCase& c : kActions) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ActionText(c.action), c.text);
        EXPECT_EQ(RequiredLevel(c.action, TOstrelSettings{}), c.level);
        EXPECT_FALSE(NeedsNoCheck(c.action, TOstrelSettings{}));
        for (const Switch userSwitch : kUserSwitches) {
            TOstrelSettings settings;
            settings.*userSwitch = true;
            EXPECT_EQ(RequiredLevel(c.action, settings),
                      userSwitch == c.lowering ? kPermissionUnlock : c.level);
            EXPECT_EQ(NeedsNoCheck(c.action, settings), userSwitch == c.freeing);
        }
    }
}

}  // namespace
}  // namespace ostrel
