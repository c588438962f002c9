#include "common/permissions.h"

namespace ostrel {
namespace {

constexpr std::string_view kNoneName = "None";
constexpr std::string_view kUnlockName = "Unlock";
constexpr std::string_view kAdminName = "Admin";

}  // namespace

std::string PermissionName(int level, std::string_view fallbackText) {
    switch (level) {
        case kPermissionNone:
            return std::string(kNoneName);
        case kPermissionUnlock:
            return std::string(kUnlockName);
        case kPermissionAdmin:
            return std::string(kAdminName);
        case kBadPassword:
            return "[bad password]";
        case kUserNotFound:
            return "[user not found]";
        default:
            return std::string(fallbackText);
    }
}

int PermissionFromName(std::string_view name) {
    if (name == kUnlockName) {
        return kPermissionUnlock;
    }
    if (name == kAdminName) {
        return kPermissionAdmin;
    }
    return kPermissionNone;
}

}  // namespace ostrel
