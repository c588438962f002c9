#include "common/user_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/passwords.h"
#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

constexpr char kPath[] = "/opt/ostrel/userlist.dat";

class UserListTest : public testing::Test {
protected:
    UserListTest() { fs_.AddDirectories("/opt/ostrel"); }

    // A list over the file as it stands now.
    UserList Open() { return UserList(fs_, kPath); }
    std::string FileText() const { return fs_.ReadFile(kPath).value_or("<missing>"); }

    FakeFileSystem fs_;
};

MATCHER_P3(IsAccount, name, hash, level, "") {
    return arg.name == name && arg.hash == hash && arg.level == level;
}

TEST_F(UserListTest, FirstAccountCreatesTheFileInItsWindowsForm) {
    UserList users = Open();
    EXPECT_TRUE(users.ListAccounts().empty());
    EXPECT_FALSE(users.ReadAccount("administrator"));

    ASSERT_TRUE(users.AddAccount("administrator", "secret", kPermissionAdmin));
    EXPECT_EQ(FileText(),
              "[administrator]\r\nPassword=" + HashPassword("secret") + "\r\nPermissions=2\r\n");

    const std::optional<AccountEntry> account = Open().ReadAccount("administrator");
    ASSERT_TRUE(account);
    EXPECT_EQ(account->hash, HashPassword("secret"));
    EXPECT_EQ(account->level, kPermissionAdmin);
}

TEST_F(UserListTest, NamesDifferingInCaseAreOneAccount) {
    UserList users = Open();
    ASSERT_TRUE(users.AddAccount("Bob", "first", kPermissionUnlock));
    ASSERT_TRUE(users.AddAccount("BOB", "second", kPermissionAdmin));

    EXPECT_THAT(users.ListAccounts(),
                testing::ElementsAre(IsAccount("Bob", HashPassword("second"), kPermissionAdmin)));
    const std::optional<AccountEntry> account = users.ReadAccount("bob");
    ASSERT_TRUE(account);
    EXPECT_EQ(account->hash, HashPassword("second"));
}

TEST_F(UserListTest, HandWrittenSectionsReadWithTheirDefaults) {
    fs_.SetFile(kPath,
                "; written by hand\r\n"
                "[nopass]\r\nPermissions=2\r\n"
                "[nokeys]\r\n; only a comment\r\n"
                "[named]\r\nPassword=abc\r\nPermissions=Admin\r\n"
                "[outofrange]\r\nPassword=abc\r\nPermissions=7\r\n"
                "[negative]\r\nPassword=abc\r\nPermissions=-1\r\n"
                "[nolevel]\r\nOther=1\r\n"
                "[disabled]\r\nPassword=abc\r\nPermissions=0\r\n");
    const UserList users = Open();

    struct Case {
        const char* name;
        bool exists;
        const char* hash;
        int level;
    };
    const Case cases[] = {
        {"nopass", true, "nohash", kPermissionAdmin}, {"nokeys", false, "", 0},
        {"named", true, "abc", kPermissionNone},      {"outofrange", true, "abc", kPermissionNone},
        {"negative", true, "abc", kPermissionNone},   {"nolevel", true, "nohash", kPermissionNone},
        {"disabled", true, "abc", kPermissionNone},   {"stranger", false, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<AccountEntry> account = users.ReadAccount(c.name);
        ASSERT_EQ(account.has_value(), c.exists);
        if (c.exists) {
            EXPECT_EQ(account->hash, c.hash);
            EXPECT_EQ(account->level, c.level);
        }
    }
    // No password, not even the text "nohash" itself, hashes to the missing-hash value.
    for (const std::string_view password : {"", "nohash"}) {
        EXPECT_NE(HashPassword(password), kNoHash);
    }

    std::vector<std::string> names;
    for (const UserAccount& account : users.ListAccounts()) {
        names.push_back(account.name);
    }
    EXPECT_THAT(names, testing::ElementsAre("nopass", "named", "outofrange", "negative", "nolevel",
                                            "disabled"));
}

TEST_F(UserListTest, ChangeAccount) {
    const std::string oldHash = HashPassword("old");
    struct Case {
        const char* label;
        const char* newName;
        std::string_view newPassword;
        std::vector<testing::Matcher<UserAccount>> expected;
    };
    const Case cases[] = {
        {"rename, password untouched",
         "robert",
         kUnchangedPassword,
         {IsAccount("eve", HashPassword("eve"), 1), IsAccount("robert", oldHash, 2)}},
        {"letter case only",
         "BOB",
         kUnchangedPassword,
         {IsAccount("bob", oldHash, 2), IsAccount("eve", HashPassword("eve"), 1)}},
        {"new password",
         "bob",
         "new",
         {IsAccount("bob", HashPassword("new"), 2), IsAccount("eve", HashPassword("eve"), 1)}},
        {"onto another account", "Eve", kUnchangedPassword, {IsAccount("eve", oldHash, 2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fs_.SetFile(kPath, "");
        UserList users = Open();
        ASSERT_TRUE(users.AddAccount("bob", "old", kPermissionUnlock));
        ASSERT_TRUE(users.AddAccount("eve", "eve", kPermissionUnlock));
        const int writesBefore = fs_.WriteCount(kPath);

        ASSERT_TRUE(users.ChangeAccount("bob", c.newName, c.newPassword, kPermissionAdmin));
        EXPECT_EQ(fs_.WriteCount(kPath), writesBefore + 1);
        EXPECT_THAT(Open().ListAccounts(), testing::ElementsAreArray(c.expected));
    }
}

TEST_F(UserListTest, ChangeKeepsWhatTheFileHoldsBesideTheAccount) {
    const std::string hash = HashPassword("pw");
    fs_.SetFile(kPath, "; accounts\r\n[bob]\r\n; desk 4\r\nPassword=" + hash +
                           "\r\nColour=blue\r\nPermissions=1\r\n\r\n[eve]\r\nPermissions=1\r\n");
    UserList users = Open();

    ASSERT_TRUE(users.ChangeAccount("Bob", "bob", kUnchangedPassword, kPermissionAdmin));
    EXPECT_EQ(FileText(), "; accounts\r\n[bob]\r\n; desk 4\r\nPassword=" + hash +
                              "\r\nColour=blue\r\nPermissions=2\r\n\r\n[eve]\r\nPermissions=1\r\n");
}

TEST_F(UserListTest, DeleteErasesTheWholeSectionWhateverTheCase) {
    fs_.SetFile(kPath, "[bob]\r\nPassword=abc\r\nNote=x\r\n[eve]\r\nPassword=def\r\n");
    UserList users = Open();
    ASSERT_TRUE(users.DeleteAccount("BOB"));
    EXPECT_FALSE(users.ReadAccount("bob"));
    EXPECT_EQ(FileText(), "[eve]\r\nPassword=def\r\n");
}

TEST_F(UserListTest, SaveUserListReplacesEverySectionInRowOrder) {
    fs_.SetFile(kPath, "[old]\r\nPassword=abc\r\nPermissions=2\r\n[empty]\r\n");
    UserList users = Open();
    const UserListRow rows[] = {
        {"zed", "h1", "Unlock"},
        {"amy", "h2", "Admin"},
        {"joe", "h3", "None"},
        {"kim", "h4", "admin"},
    };
    ASSERT_TRUE(users.SaveUserList(rows));
    EXPECT_EQ(fs_.WriteCount(kPath), 1);
    EXPECT_THAT(Open().ListAccounts(),
                testing::ElementsAre(IsAccount("zed", "h1", 1), IsAccount("amy", "h2", 2),
                                     IsAccount("joe", "h3", 0), IsAccount("kim", "h4", 0)));
    EXPECT_THAT(FileText(), testing::Not(testing::HasSubstr("[old]")));
    EXPECT_THAT(FileText(), testing::Not(testing::HasSubstr("[empty]")));
}

TEST_F(UserListTest, NamesTheFileCannotHoldAreRefused) {
    fs_.SetFile(kPath, "[bob]\r\nPassword=abc\r\n");
    UserList users = Open();
    for (const std::string_view name : {"", " bob", "bob\t", "a]b", "x\r\n[administrator"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsValidUserName(name));
        EXPECT_FALSE(users.AddAccount(name, "pw", kPermissionAdmin));
        EXPECT_FALSE(users.ChangeAccount("bob", name, "pw", kPermissionAdmin));
        const UserListRow rows[] = {{"amy", "h", "Admin"}, {std::string(name), "h", "Admin"}};
        EXPECT_FALSE(users.SaveUserList(rows));
    }
    EXPECT_FALSE(users.AddAccount("amy", "pw", 3));
    EXPECT_FALSE(users.ChangeAccount("bob", "bob", "pw", -1));
    EXPECT_EQ(fs_.WriteCount(kPath), 0);
    EXPECT_TRUE(IsValidUserName("Jean-Luc [desk 4"));
}

TEST_F(UserListTest, RefusedWriteIsReported) {
    fs_.SetFile(kPath, "");
    fs_.SetReadOnly(kPath, true);
    UserList users = Open();
    EXPECT_FALSE(users.AddAccount("bob", "pw", kPermissionUnlock));
    EXPECT_FALSE(users.DeleteAccount("bob"));
}

// A reader on another thread sees a rename whole: the account under exactly one of its names.
TEST_F(UserListTest, ReadersNeverSeeHalfARename) {
    UserList users = Open();
    ASSERT_TRUE(users.AddAccount("bob", "pw", kPermissionUnlock));
    std::atomic<bool> done = false;
    std::thread reader([&] {
        while (!done) {
            ASSERT_EQ(users.ListAccounts().size(), 1u);
        }
    });
    const char* names[] = {"bob", "robert"};
    for (int i = 0; i < 2000; ++i) {
        users.ChangeAccount(names[i % 2], names[(i + 1) % 2], kUnchangedPassword,
                            kPermissionUnlock);
    }
    done = true;
    reader.join();
    EXPECT_EQ(users.ReadAccount("bob")->hash, HashPassword("pw"));
}

TEST(HasAdministrator, NeedsARowNamedExactlyAdmin) {
    struct Case {
        std::vector<UserListRow> rows;
        bool expected;
    };
    const Case cases[] = {
        {{}, false},
        {{{"a", "h", "Unlock"}, {"b", "h", "None"}}, false},
        {{{"a", "h", "admin"}}, false},
        {{{"a", "h", "Unlock"}, {"b", "h", "Admin"}}, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasAdministrator(c.rows), c.expected);
    }
}

}  // namespace
}  // namespace ostrel
