#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace ostrel {

// The account editor's boxes. In edit mode the password box holds kUnchangedPassword until the
// person starts a new password.
struct EditUserFields {
    bool addMode = true;
    std::string userName;
    std::string password;
    std::string confirm;
};

// The controls Enter moves the focus between.
enum class EditUserControl { kUserName, kPassword, kConfirm, kAccessLevel, kOk, kOther };

bool IsUnchangedPassword(std::string_view password);

// Add mode: a user name and two passwords of the minimum length. Edit mode: a user name and
// either the password untouched or two equal passwords of the minimum length.
bool EditUserOkEnabled(const EditUserFields& fields);

// Where Enter puts the focus. The steps run in turn, so one Enter may move it twice: access
// level to OK, confirm to access level, user name to password, password to confirm.
EditUserControl EditUserEnterFocus(EditUserControl focus, const EditUserFields& fields,
                                   bool passwordEnabled, bool confirmEnabled);

// The editor's OK: true when the dialog may close with OK. Two different passwords are refused
// with a message box.
bool EditUserOk(const EditUserFields& fields, Dialogs& dialogs);

}  // namespace ostrel
