#pragma once

#include <string>
#include <string_view>

#include "common/auth_actions.h"
#include "common/event_log.h"
#include "common/lock_form_state.h"
#include "common/security_event_reporter.h"
#include "common/settings_store.h"
#include "common/user_list.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

namespace ostrel {

// The account an empty user name stands for.
inline constexpr std::string_view kAdministratorName = "administrator";

// Checks a user name and password against the user list. Safe to call from any thread: it only
// reads the settings snapshot and the user list, and logs through the thread-safe log.
class Authenticator {
public:
    Authenticator(const OstrelSettingsStore& settings, const UserList& users, EventLog& log,
                  LockFormState& lockForm);

    // The account's level (which may be None), kBadPassword or kUserNotFound. Both fields empty
    // is a bad password; an empty user name alone means the administrator.
    int Authenticate(std::string_view user, std::string_view password) const;

private:
    const OstrelSettingsStore& settings_;
    const UserList& users_;
    EventLog& log_;
    LockFormState& lockForm_;
};

// What the account unlock dialog closes with.
struct AccountAnswer {
    int modalResult = 0;
    int level = kPermissionNone;

    friend bool operator==(const AccountAnswer&, const AccountAnswer&) = default;
};

// The OK actions of the two unlock dialogs. GUI thread.
class UnlockChecks {
public:
    UnlockChecks(const OstrelSettingsStore& settings, const Authenticator& authenticator,
                 const SecurityEventReporter& reporter, EventLog& log, Dialogs& dialogs);

    // True for the master password. Otherwise reports the try as a security event, tells the
    // person in a message box, and gives false: the dialog stays open for another try.
    bool TryMasterPassword(const std::string& action, std::string_view password) const;
    // OK with the level for an account that may unlock; otherwise reports the try and gives
    // kModalBadCredentials with kBadPassword.
    AccountAnswer TryAccount(const std::string& action, std::string_view user,
                             std::string_view password) const;

private:
    const OstrelSettingsStore& settings_;
    const Authenticator& authenticator_;
    const SecurityEventReporter& reporter_;
    EventLog& log_;
    Dialogs& dialogs_;
};

// "Enter password to " + action: what the unlock dialogs ask.
std::string UnlockPromptText(std::string_view action);

// Asks the person at the keyboard for credentials in a modal dialog. Implementations run the
// dialog's OK through UnlockChecks.
class UnlockPrompt {
public:
    virtual ~UnlockPrompt() = default;
    // The master password dialog: kModalOk once the master password was given, kModalCancel.
    virtual int AskMasterPassword(const std::string& action) = 0;
    // The account dialog: kModalOk with the level, kModalCancel with None, or
    // kModalBadCredentials with kBadPassword.
    virtual AccountAnswer AskAccount(const std::string& action) = 0;
};

// The permission check in front of every privileged action. GUI thread; holds no state between
// calls.
class Authorizer {
public:
    Authorizer(const OstrelSettingsStore& settings, EventLog& log,
               const SecurityEventReporter& reporter, const Clock& clock, LockFormState& lockForm,
               UnlockPrompt& prompt);

    // Grants at once while the lock form is up but unlocked; otherwise asks for the master
    // password (single-user mode) or an account of at least the required level (multi-user).
    bool Authorize(const std::string& action, int requiredLevel);
    // The same with the action's text and level from the settings in force; true without a
    // check when a user switch frees the action.
    bool Authorize(AuthAction action);

private:
    bool AuthorizeAccount(const std::string& action, int requiredLevel, bool logBadPasswords);
    bool AuthorizeMasterPassword(const std::string& action, bool logBadPasswords);

    const OstrelSettingsStore& settings_;
    EventLog& log_;
    const SecurityEventReporter& reporter_;
    const Clock& clock_;
    LockFormState& lockForm_;
    UnlockPrompt& prompt_;
};

}  // namespace ostrel
