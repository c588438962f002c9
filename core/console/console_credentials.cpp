#include "console/console_credentials.h"

#include "common/passwords.h"

namespace ostrel {

bool CheckConsoleCredentials(const UserList& users, std::string_view user,
                             std::string_view password) {
    if (user.empty() || password.empty()) return false;
    const auto account = users.ReadAccount(user);
    if (!account || account->hash != HashPassword(password)) return false;
    return account->level == kPermissionUnlock || account->level == kPermissionAdmin;
}

}  // namespace ostrel
