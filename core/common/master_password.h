#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "common/settings_store.h"
#include "common/user_list.h"
#include "platform/dialogs.h"

namespace ostrel {

// The shortest password the account dialogs' OK buttons accept.
inline constexpr std::size_t kMinPasswordLength = 3;

enum class PasswordOutcome {
    kSaved,
    // Nothing was typed: nothing happens.
    kEmpty,
    // The new password and its confirmation differ.
    kMismatch,
    // The old master password was wrong.
    kWrongOld,
    // The store refused the change; the password in force is unchanged.
    kNotSaved,
};

// First-run dialog: OK is enabled for two equal passwords of at least the minimum length.
bool FirstTimeOkEnabled(std::string_view password, std::string_view confirm);
// First-run dialog: Enter in the password box goes on to the confirm box.
bool FirstTimeEnterLeavesPassword(std::string_view password);

// The first-run dialog's OK: sets the master password and the administrator account to the
// password, and saves the settings to the live store. Mismatches and failures are shown in a
// message box.
PasswordOutcome SetFirstMasterPassword(OstrelSettingsStore& settings, UserList& users,
                                       Dialogs& dialogs, std::string_view password,
                                       std::string_view confirm);

// The change-password dialog's OK: needs the old master password; changes only the master
// password (the administrator account keeps its hash) and saves to the live store. Every
// outcome is shown in a message box.
PasswordOutcome ChangeMasterPassword(OstrelSettingsStore& settings, Dialogs& dialogs,
                                     std::string_view oldPassword, std::string_view newPassword,
                                     std::string_view confirm);

}  // namespace ostrel
