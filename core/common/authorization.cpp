#include "common/authorization.h"

#include <algorithm>

#include "common/modal_result.h"
#include "common/passwords.h"
#include "common/permissions.h"

namespace ostrel {
namespace {

// A user name as a log line shows it: control characters (line breaks above all, which would
// forge further lines) become "?".
std::string LoggedName(std::string_view name) {
    std::string shown(name);
    std::ranges::replace_if(
        shown, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return shown;
}

}  // namespace

Authenticator::Authenticator(const OstrelSettingsStore& settings, const UserList& users,
                             EventLog& log, LockFormState& lockForm)
    : settings_(settings), users_(users), log_(log), lockForm_(lockForm) {}

int Authenticator::Authenticate(std::string_view user, std::string_view password) const {
    log_.DebugLog("unMain.Authenticate");
    if (user.empty() && password.empty()) {
        log_.DebugLog("auth_badpass");
        return kBadPassword;
    }
    const std::string name(user.empty() ? kAdministratorName : user);
    const std::shared_ptr<const TOstrelSettings> settings = settings_.Get();
    const std::optional<AccountEntry> account = users_.ReadAccount(name);
    if (!account) {
        log_.DebugLog("auth_usernotfound");
        lockForm_.ConsoleAppend("-2");
        if (settings->LogBadPasswords)
            log_.WriteLog("Username " + LoggedName(name) + " not found!");
        return kUserNotFound;
    }
    if (HashPassword(password) != account->hash) {
        log_.DebugLog("auth_badpass (wrong password)");
        if (settings->LogBadPasswords) {
            log_.WriteLog("Authentication failed: User " + LoggedName(name) +
                          " had a bad password");
        }
        return kBadPassword;
    }
    log_.DebugLog("authenticating...authenticated");
    if (settings->LogUserWhoUnlocked) {
        log_.WriteLog("User " + LoggedName(name) + " authenticated with " +
                      PermissionName(account->level, "") + " access");
    }
    return account->level;
}

UnlockChecks::UnlockChecks(const OstrelSettingsStore& settings, const Authenticator& authenticator,
                           const SecurityEventReporter& reporter, EventLog& log, Dialogs& dialogs)
    : settings_(settings),
      authenticator_(authenticator),
      reporter_(reporter),
      log_(log),
      dialogs_(dialogs) {}

bool UnlockChecks::TryMasterPassword(const std::string& action, std::string_view password) const {
    log_.DebugLog("frmUnlock.OK.click");
    if (CheckMasterPassword(password, settings_.Get()->passwordHash)) return true;
    reporter_.Report("Incorrect password to " + action);
    dialogs_.ShowMessageBox({.text = "Incorrect password..",
                             .caption = "Error",
                             .icon = MessageIcon::kError,
                             .topmost = true});
    return false;
}

AccountAnswer UnlockChecks::TryAccount(const std::string& action, std::string_view user,
                                       std::string_view password) const {
    const int level = authenticator_.Authenticate(user, password);
    if (level == kPermissionUnlock || level == kPermissionAdmin) return {kModalOk, level};
    reporter_.Report("Incorrect password to " + action);
    return {kModalBadCredentials, kBadPassword};
}

std::string UnlockPromptText(std::string_view action) {
    return "Enter password to " + std::string(action);
}

Authorizer::Authorizer(const OstrelSettingsStore& settings, EventLog& log,
                       const SecurityEventReporter& reporter, const Clock& clock,
                       LockFormState& lockForm, UnlockPrompt& prompt)
    : settings_(settings),
      log_(log),
      reporter_(reporter),
      clock_(clock),
      lockForm_(lockForm),
      prompt_(prompt) {}

bool Authorizer::Authorize(AuthAction action) {
    const std::shared_ptr<const TOstrelSettings> settings = settings_.Get();
    if (NeedsNoCheck(action, *settings)) return true;
    return Authorize(std::string(ActionText(action)), RequiredLevel(action, *settings));
}

bool Authorizer::Authorize(const std::string& action, int requiredLevel) {
    const LockFormStatus status = lockForm_.Status();
    if (status != LockFormStatus::kAbsent) lockForm_.ReleaseMenuButton();
    if (status == LockFormStatus::kUnlocked) {
        log_.ConsoleLog("Authorize: Ostrel already unlocked");
        return true;
    }
    if (log_.DebugEnabled()) {
        log_.DebugLog(std::to_string(clock_.TickMs()) + "Authorize: " + action);
    }
    const std::shared_ptr<const TOstrelSettings> settings = settings_.Get();
    return settings->multiUser ? AuthorizeAccount(action, requiredLevel, settings->LogBadPasswords)
                               : AuthorizeMasterPassword(action, settings->LogBadPasswords);
}

bool Authorizer::AuthorizeAccount(const std::string& action, int requiredLevel,
                                  bool logBadPasswords) {
    const AccountAnswer answer = prompt_.AskAccount(action);
    if (answer.modalResult == kModalOk) {
        log_.ConsoleLog(PermissionName(answer.level, ""));
        if (answer.level < requiredLevel) {
            reporter_.Report("You don't have the proper credentials to " + action);
            return false;
        }
        return true;
    }
    if (answer.modalResult == kModalCancel) {
        log_.ConsoleLog("Modal Result: Cancel");
        return false;
    }
    if (logBadPasswords) log_.WriteLog(action + ": BAD USER/PASSWORD");
    reporter_.Report("Bad User/Password in Authorize routine (" + action + ")");
    return false;
}

bool Authorizer::AuthorizeMasterPassword(const std::string& action, bool logBadPasswords) {
    log_.DebugLog("frmUnlock.Create");
    const int result = prompt_.AskMasterPassword(action);
    if (result == kModalOk) return true;
    if (result == kModalCancel) {
        log_.DebugLog("Modal Result: cancel");
        return false;
    }
    if (logBadPasswords) log_.WriteLog(action + ": BAD PASSWORD");
    reporter_.Report("Bad Password in Authorize routine (" + action + ")");
    return false;
}

}  // namespace ostrel
