#include "common/user_list.h"

#include <algorithm>
#include <utility>

#include "common/passwords.h"

namespace ostrel {
namespace {

constexpr std::string_view kPasswordKey = "Password";
constexpr std::string_view kPermissionsKey = "Permissions";

bool IsLevel(int level) {
    return level >= kPermissionNone && level <= kPermissionAdmin;
}

bool IsAccount(const IniDocument& document, std::string_view name) {
    return !document.Keys(name).empty();
}

// A missing, non-numeric or out-of-range level reads as None.
int LevelOf(const IniDocument& document, std::string_view name) {
    const std::optional<std::string> text = document.Value(name, kPermissionsKey);
    const int level = text ? ParseProfileInteger(*text).value_or(kPermissionNone) : kPermissionNone;
    return IsLevel(level) ? level : kPermissionNone;
}

AccountEntry EntryOf(const IniDocument& document, std::string_view name) {
    return {document.Value(name, kPasswordKey).value_or(std::string(kNoHash)),
            LevelOf(document, name)};
}

void WriteEntry(IniDocument& document, std::string_view name, std::string_view hash, int level) {
    document.SetValue(name, kPasswordKey, hash);
    document.SetValue(name, kPermissionsKey, std::to_string(level));
}

// Whether both names address one section, by the file's own comparison of section names.
bool SameSection(std::string_view first, std::string_view second) {
    IniDocument probe;
    probe.SetValue(first, kPasswordKey, "");
    return probe.HasSection(second);
}

}  // namespace

bool IsValidUserName(std::string_view name) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    return !name.empty() && !isBlank(name.front()) && !isBlank(name.back()) &&
           name.find_first_of("]\r\n") == std::string_view::npos;
}

bool HasAdministrator(std::span<const UserListRow> rows) {
    return std::ranges::any_of(rows, [](const UserListRow& row) {
        return PermissionFromName(row.levelName) == kPermissionAdmin;
    });
}

UserList::UserList(FileSystem& fileSystem, std::string path) : file_(fileSystem, std::move(path)) {}

std::optional<AccountEntry> UserList::ReadAccount(std::string_view name) const {
    const IniDocument document = file_.Snapshot();
    if (!IsAccount(document, name)) {
        return std::nullopt;
    }
    return EntryOf(document, name);
}

std::vector<UserAccount> UserList::ListAccounts() const {
    const IniDocument document = file_.Snapshot();
    std::vector<UserAccount> accounts;
    for (std::string& name : document.Sections()) {
        if (IsAccount(document, name)) {
            AccountEntry entry = EntryOf(document, name);
            accounts.push_back({std::move(name), std::move(entry.hash), entry.level});
        }
    }
    return accounts;
}

bool UserList::AddAccount(std::string_view name, std::string_view password, int level) {
    if (!IsValidUserName(name) || !IsLevel(level)) {
        return false;
    }
    const std::string hash = HashPassword(password);
    return file_.Update([&](IniDocument& document) { WriteEntry(document, name, hash, level); });
}

bool UserList::ChangeAccount(std::string_view oldName, std::string_view newName,
                             std::string_view newPassword, int level) {
    if (!IsValidUserName(newName) || !IsLevel(level)) {
        return false;
    }
    const bool keepPassword = newPassword == kUnchangedPassword;
    const std::string newHash = keepPassword ? std::string() : HashPassword(newPassword);
    return file_.Update([&](IniDocument& document) {
        const std::string hash = keepPassword ? EntryOf(document, oldName).hash : newHash;
        WriteEntry(document, newName, hash, level);
        if (!SameSection(oldName, newName)) {
            document.DeleteSection(oldName);
        }
    });
}

bool UserList::DeleteAccount(std::string_view name) {
    return file_.EraseSection(name);
}

bool UserList::SaveUserList(std::span<const UserListRow> rows) {
    const bool namesValid =
        std::ranges::all_of(rows, [](const UserListRow& row) { return IsValidUserName(row.name); });
    if (!namesValid) {
        return false;
    }
    return file_.Update([&](IniDocument& document) {
        for (const std::string& section : document.Sections()) {
            document.DeleteSection(section);
        }
        for (const UserListRow& row : rows) {
            WriteEntry(document, row.name, row.hash, PermissionFromName(row.levelName));
        }
    });
}

}  // namespace ostrel
