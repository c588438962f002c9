#include "common/edit_user_rules.h"

#include "common/master_password.h"
#include "common/user_list.h"

namespace ostrel {
namespace {

bool LongEnough(std::string_view password) {
    return password.size() >= kMinPasswordLength;
}

// A new password, not the placeholder, of the minimum length.
bool NewPasswordTyped(const EditUserFields& fields) {
    return !IsUnchangedPassword(fields.password) && LongEnough(fields.password);
}

}  // namespace

bool IsUnchangedPassword(std::string_view password) {
    return password == kUnchangedPassword;
}

bool EditUserOkEnabled(const EditUserFields& fields) {
    if (!IsValidUserName(fields.userName)) return false;
    if (fields.addMode) return LongEnough(fields.password) && LongEnough(fields.confirm);
    return IsUnchangedPassword(fields.password) ||
           (LongEnough(fields.password) && fields.password == fields.confirm);
}

EditUserControl EditUserEnterFocus(EditUserControl focus, const EditUserFields& fields,
                                   bool passwordEnabled, bool confirmEnabled) {
    if (focus == EditUserControl::kAccessLevel && NewPasswordTyped(fields)) {
        focus = EditUserControl::kOk;
    }
    if (focus == EditUserControl::kConfirm && NewPasswordTyped(fields)) {
        focus = EditUserControl::kAccessLevel;
    }
    if (focus == EditUserControl::kUserName && !fields.userName.empty() && passwordEnabled) {
        focus = EditUserControl::kPassword;
    }
    if (focus == EditUserControl::kPassword && NewPasswordTyped(fields) && confirmEnabled) {
        focus = EditUserControl::kConfirm;
    }
    return focus;
}

bool EditUserOk(const EditUserFields& fields, Dialogs& dialogs) {
    if (fields.password == fields.confirm) return true;
    if (!fields.addMode && IsUnchangedPassword(fields.password)) return true;
    dialogs.ShowMessageBox({.text = "Password and Confirm Password must match.",
                            .caption = "Passwords do not match",
                            .icon = MessageIcon::kError});
    return false;
}

}  // namespace ostrel
