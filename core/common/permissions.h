#pragma once

#include <string>
#include <string_view>

namespace ostrel {

// Permission levels of an account.
inline constexpr int kPermissionNone = 0;
inline constexpr int kPermissionUnlock = 1;
inline constexpr int kPermissionAdmin = 2;
// Results of authentication that are no levels.
inline constexpr int kBadPassword = -1;
inline constexpr int kUserNotFound = -2;

// "None", "Unlock", "Admin", "[bad password]" or "[user not found]"; fallbackText for any other
// number.
std::string PermissionName(int level, std::string_view fallbackText);
// "Unlock" and "Admin" (exact letter case) give their levels; every other text gives None.
int PermissionFromName(std::string_view name);

}  // namespace ostrel
