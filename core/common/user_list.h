#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_file.h"
#include "common/permissions.h"
#include "platform/file_system.h"

namespace ostrel {

// What an account dialog's password box holds until the user types a new password.
inline constexpr std::string_view kUnchangedPassword = "(click to change)";
// The hash of an account without a Password key. No password hashes to it.
inline constexpr std::string_view kNoHash = "nohash";

// The keys of one account.
struct AccountEntry {
    std::string hash;
    int level = kPermissionNone;
};

// One account of the list, under its name as written in the file.
struct UserAccount {
    std::string name;
    std::string hash;
    int level = kPermissionNone;
};

// An account as a dialog's list shows it, with the level by name.
struct UserListRow {
    std::string name;
    std::string hash;
    std::string levelName;
};

// A name the file holds as a section name unchanged: not empty, no blanks around it, no line
// break and no "]".
bool IsValidUserName(std::string_view name);
// True when any row's level name is "Admin".
bool HasAdministrator(std::span<const UserListRow> rows);

// The accounts file: one section per account, named after the user (letter case ignored), with
// the keys Password and Permissions. A section without keys is no account. Every change is
// written through to the file as one atomic replace. Safe to read from any thread while one
// thread writes.
class UserList {
public:
    UserList(FileSystem& fileSystem, std::string path);

    // Nothing when no such account. A missing hash reads as kNoHash; a missing, non-numeric or
    // unknown level as None.
    std::optional<AccountEntry> ReadAccount(std::string_view name) const;
    // In file order.
    std::vector<UserAccount> ListAccounts() const;

    // Writes the password's hash and the level under the name, keeping any other keys there.
    // False, and nothing written, for an invalid name or level, or when the disk refused it.
    bool AddAccount(std::string_view name, std::string_view password, int level);
    // Writes the account under the new name, keeping the old hash when newPassword is
    // kUnchangedPassword, and removes the old section when the names differ other than in letter
    // case. Failures as for AddAccount.
    bool ChangeAccount(std::string_view oldName, std::string_view newName,
                       std::string_view newPassword, int level);
    bool DeleteAccount(std::string_view name);
    // Replaces every section of the file with the rows, in their order. False, and nothing
    // changed, when a row's name is invalid or the disk refused it.
    bool SaveUserList(std::span<const UserListRow> rows);

private:
    IniFile file_;
};

}  // namespace ostrel
