#include "common/master_password.h"

#include <functional>
#include <string>

#include "common/authorization.h"
#include "common/passwords.h"
#include "common/permissions.h"

namespace ostrel {
namespace {

void ShowError(Dialogs& dialogs, std::string text) {
    dialogs.ShowMessageBox(
        {.text = std::move(text), .caption = "Error", .icon = MessageIcon::kError});
}

void SetPasswordHash(OstrelSettingsStore& settings, const std::string& hash) {
    settings.Modify([&](TOstrelSettings& s) { s.passwordHash = hash; });
}

// Puts the new hash in force and saves it; on failure the old hash stays in force and the person
// is told.
bool StoreMasterPassword(OstrelSettingsStore& settings, Dialogs& dialogs, const std::string& hash,
                         const std::function<bool()>& save) {
    const std::string oldHash = settings.Get()->passwordHash;
    SetPasswordHash(settings, hash);
    if (save()) return true;
    SetPasswordHash(settings, oldHash);
    ShowError(dialogs, "The password could not be saved.");
    return false;
}

}  // namespace

bool FirstTimeOkEnabled(std::string_view password, std::string_view confirm) {
    return password.size() >= kMinPasswordLength && password == confirm;
}

bool FirstTimeEnterLeavesPassword(std::string_view password) {
    return password.size() >= kMinPasswordLength;
}

PasswordOutcome SetFirstMasterPassword(OstrelSettingsStore& settings, UserList& users,
                                       Dialogs& dialogs, std::string_view password,
                                       std::string_view confirm) {
    if (password.empty() && confirm.empty()) return PasswordOutcome::kEmpty;
    if (password != confirm) {
        ShowError(dialogs,
                  "Your passwords do not match. Please reenter the password you wish to use.");
        return PasswordOutcome::kMismatch;
    }
    const bool saved = StoreMasterPassword(settings, dialogs, HashPassword(password), [&] {
        return users.AddAccount(kAdministratorName, password, kPermissionAdmin) &&
               settings.SaveLive();
    });
    return saved ? PasswordOutcome::kSaved : PasswordOutcome::kNotSaved;
}

PasswordOutcome ChangeMasterPassword(OstrelSettingsStore& settings, Dialogs& dialogs,
                                     std::string_view oldPassword, std::string_view newPassword,
                                     std::string_view confirm) {
    if (!CheckMasterPassword(oldPassword, settings.Get()->passwordHash)) {
        ShowError(dialogs, "Your old password is incorrect.");
        return PasswordOutcome::kWrongOld;
    }
    if (newPassword != confirm) {
        ShowError(dialogs,
                  "New and Confirm fields do not match. Please reenter your new password.");
        return PasswordOutcome::kMismatch;
    }
    if (!StoreMasterPassword(settings, dialogs, HashPassword(newPassword),
                             [&] { return settings.SaveLive(); })) {
        return PasswordOutcome::kNotSaved;
    }
    dialogs.ShowMessageBox({.text = "Password successfully changed.",
                            .caption = "Password Changed",
                            .icon = MessageIcon::kInformation});
    return PasswordOutcome::kSaved;
}

}  // namespace ostrel
