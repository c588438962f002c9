#include "common/master_password.h"

#include <gtest/gtest.h>

#include "../support/account_world.h"
#include "common/passwords.h"
#include "common/permissions.h"

namespace ostrel {
namespace {

const MessageBoxRequest kMismatch{
    "Your passwords do not match. Please reenter the password you wish to use.", "Error",
    MessageIcon::kError};
const MessageBoxRequest kNotSaved{"The password could not be saved.", "Error", MessageIcon::kError};
const MessageBoxRequest kWrongOld{"Your old password is incorrect.", "Error", MessageIcon::kError};
const MessageBoxRequest kNewMismatch{
    "New and Confirm fields do not match. Please reenter your new password.", "Error",
    MessageIcon::kError};
const MessageBoxRequest kChanged{"Password successfully changed.", "Password Changed",
                                 MessageIcon::kInformation};

bool Holds(const std::optional<std::string>& file, const std::string& text) {
    return file && file->find(text) != std::string::npos;
}

TEST(FirstTimeRules, OkNeedsTwoEqualPasswordsOfThreeCharacters) {
    EXPECT_TRUE(FirstTimeOkEnabled("abc", "abc"));
    EXPECT_FALSE(FirstTimeOkEnabled("ab", "ab"));
    EXPECT_FALSE(FirstTimeOkEnabled("abc", "abd"));
    EXPECT_FALSE(FirstTimeOkEnabled("abc", "abcd"));
    EXPECT_FALSE(FirstTimeEnterLeavesPassword("ab"));
    EXPECT_TRUE(FirstTimeEnterLeavesPassword("abc"));
}

class MasterPasswordTest : public testing::Test, public testing::WithParamInterface<bool> {
protected:
    MasterPasswordTest() { world_.settings.SetUsingIniSettings(UsingIni()); }
    bool UsingIni() const { return GetParam(); }
    const char* LiveStore() const {
        return UsingIni() ? AccountWorld::kSettingsIni : AccountWorld::kRegistryPath;
    }
    std::optional<std::string> Live() const { return world_.files.ReadFile(LiveStore()); }

    AccountWorld world_;
};

TEST_P(MasterPasswordTest, FirstPasswordSetsMasterAndAdministratorAndSavesTheLiveStore) {
    // Two characters pass: the length rule binds only the button.
    EXPECT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "ab", "ab"),
              PasswordOutcome::kSaved);
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("ab"));
    const auto admin = world_.users.ReadAccount("administrator");
    ASSERT_TRUE(admin);
    EXPECT_EQ(admin->hash, HashPassword("ab"));
    EXPECT_EQ(admin->level, kPermissionAdmin);
    EXPECT_TRUE(Holds(Live(), "passwordHash=" + HashPassword("ab")));
    EXPECT_TRUE(world_.dialogs.boxes.empty());
}

TEST_P(MasterPasswordTest, FirstPasswordMismatchOrNothingTypedWritesNothing) {
    EXPECT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "abc", "abd"),
              PasswordOutcome::kMismatch);
    EXPECT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "", ""),
              PasswordOutcome::kEmpty);
    EXPECT_EQ(world_.dialogs.boxes, std::vector{kMismatch});
    EXPECT_EQ(world_.settings.Get()->passwordHash, "");
    EXPECT_FALSE(world_.users.ReadAccount("administrator"));
    EXPECT_FALSE(Live());
}

TEST_P(MasterPasswordTest, FirstPasswordRefusedByTheStoreLeavesNoMasterPassword) {
    world_.files.SetReadOnly(LiveStore(), true);
    EXPECT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "abc", "abc"),
              PasswordOutcome::kNotSaved);
    EXPECT_EQ(world_.settings.Get()->passwordHash, "");
    EXPECT_EQ(world_.dialogs.boxes, std::vector{kNotSaved});
}

TEST_P(MasterPasswordTest, ChangeNeedsTheOldPasswordAndKeepsTheAdministratorHash) {
    ASSERT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "old", "old"),
              PasswordOutcome::kSaved);
    EXPECT_EQ(ChangeMasterPassword(world_.settings, world_.dialogs, "wrong", "new", "new"),
              PasswordOutcome::kWrongOld);
    EXPECT_EQ(ChangeMasterPassword(world_.settings, world_.dialogs, "old", "new", "neu"),
              PasswordOutcome::kMismatch);
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("old"));
    EXPECT_EQ(ChangeMasterPassword(world_.settings, world_.dialogs, "old", "new", "new"),
              PasswordOutcome::kSaved);
    EXPECT_EQ(world_.dialogs.boxes, (std::vector{kWrongOld, kNewMismatch, kChanged}));
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("new"));
    // Saved where the next start reads it, settings.ini included.
    EXPECT_TRUE(Holds(Live(), "passwordHash=" + HashPassword("new")));
    EXPECT_EQ(world_.users.ReadAccount("administrator")->hash, HashPassword("old"));
}

TEST_P(MasterPasswordTest, ChangeRefusedByTheStoreIsNoSuccess) {
    ASSERT_EQ(SetFirstMasterPassword(world_.settings, world_.users, world_.dialogs, "old", "old"),
              PasswordOutcome::kSaved);
    world_.files.SetReadOnly(LiveStore(), true);
    EXPECT_EQ(ChangeMasterPassword(world_.settings, world_.dialogs, "old", "new", "new"),
              PasswordOutcome::kNotSaved);
    EXPECT_EQ(world_.settings.Get()->passwordHash, HashPassword("old"));
    EXPECT_EQ(world_.dialogs.boxes, std::vector{kNotSaved});
}

TEST(ChangeMasterPassword, NothingMatchesWhileNoMasterPasswordIsSet) {
    AccountWorld world;
    EXPECT_EQ(ChangeMasterPassword(world.settings, world.dialogs, "", "new", "new"),
              PasswordOutcome::kWrongOld);
}

INSTANTIATE_TEST_SUITE_P(LiveStores, MasterPasswordTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "SettingsIni" : "Registry"; });

}  // namespace
}  // namespace ostrel
