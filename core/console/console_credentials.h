#pragma once

#include <string_view>

#include "common/user_list.h"

namespace ostrel {

// The console's start-up check against its own user list: both texts non-empty, the account
// present, the password's hash equal to its stored hash, and a level of Unlock or Admin.
bool CheckConsoleCredentials(const UserList& users, std::string_view user,
                             std::string_view password);

}  // namespace ostrel
