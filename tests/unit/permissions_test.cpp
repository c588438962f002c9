#include "common/permissions.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(PermissionName, NamesLevelsAndResultsElseKeepsTheCallersText) {
    struct Case {
        int level;
        const char* name;
    };
    const Case cases[] = {
        {kPermissionNone, "None"},
        {kPermissionUnlock, "Unlock"},
        {kPermissionAdmin, "Admin"},
        {kBadPassword, "[bad password]"},
        {kUserNotFound, "[user not found]"},
        {3, "Account Disabled"},
        {-3, "Account Disabled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(PermissionName(c.level, "Account Disabled"), c.name);
    }
}

TEST(PermissionFromName, OnlyExactLevelNamesGrantAnything) {
    struct Case {
        const char* name;
        int level;
    };
    const Case cases[] = {
        {"Unlock", kPermissionUnlock}, {"Admin", kPermissionAdmin},
        {"None", kPermissionNone},     {"admin", kPermissionNone},
        {"ADMIN", kPermissionNone},    {" Admin", kPermissionNone},
        {"Admin ", kPermissionNone},   {"", kPermissionNone},
        {"2", kPermissionNone},        {"[bad password]", kPermissionNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PermissionFromName(c.name), c.level);
    }
}

TEST(PermissionFromName, ReadsBackEveryLevelName) {
    for (int level : {kPermissionNone, kPermissionUnlock, kPermissionAdmin}) {
        EXPECT_EQ(PermissionFromName(PermissionName(level, "")), level);
    }
}

}  // namespace
}  // namespace ostrel
