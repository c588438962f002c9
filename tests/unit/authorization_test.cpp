#include "common/authorization.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "../support/account_world.h"
#include "../support/fake_lock_form.h"
#include "common/modal_result.h"
#include "common/passwords.h"
#include "fake/recording_datagram_sender.h"

namespace ostrel {
namespace {

using Lines = std::vector<std::string>;

// Plays the person at the dialogs: each OK goes through the dialogs' own checks.
class ScriptedPrompt : public UnlockPrompt {
public:
    explicit ScriptedPrompt(const UnlockChecks& checks) : checks_(checks) {}

    int AskMasterPassword(const std::string& action) override {
        actions.push_back(action);
        for (const std::string& password : masterTries) {
            if (checks_.TryMasterPassword(action, password)) return kModalOk;
        }
        return masterEnd;
    }
    AccountAnswer AskAccount(const std::string& action) override {
        actions.push_back(action);
        if (!account) return {kModalCancel, kPermissionNone};
        return checks_.TryAccount(action, account->first, account->second);
    }

    // Typed one after the other until one is taken; then the dialog ends with masterEnd.
    Lines masterTries;
    int masterEnd = kModalCancel;
    // Nothing: Cancel.
    std::optional<std::pair<std::string, std::string>> account;
    Lines actions;

private:
    const UnlockChecks& checks_;
};

class AuthorizationTest : public testing::Test {
protected:
    AuthorizationTest() {
        world_.Change([](TOstrelSettings& s) {
            s.passwordHash = HashPassword("master");
            s.LogBadPasswords = true;
            s.LogUserWhoUnlocked = true;
            s.reportSecurityEvents = true;
            s.MasterIP = "10.0.0.9";
        });
        world_.AddAccountOfEachLevel();
    }

    // The payloads sent to the master computer, without their "/se:".
    Lines Events() const {
        Lines events;
        for (const auto& datagram : sender_.Sent()) {
            EXPECT_EQ(datagram.address, "10.0.0.9");
            EXPECT_EQ(datagram.port, 8778);
            events.push_back(datagram.payload.substr(4));
        }
        return events;
    }

    AccountWorld world_;
    RecordingDatagramSender sender_;
    FakeLockForm lockForm_;
    SecurityEventReporter reporter_{world_.settings, world_.log, sender_};
    Authenticator authenticator_{world_.settings, world_.users, world_.log, lockForm_};
    UnlockChecks checks_{world_.settings, authenticator_, reporter_, world_.log, world_.dialogs};
    ScriptedPrompt prompt_{checks_};
    Authorizer authorizer_{world_.settings, world_.log, reporter_,
                           world_.clock,    lockForm_,  prompt_};
};

struct AuthenticateCase {
    const char* user;
    const char* password;
    int level;
    Lines logLines;
};

TEST_F(AuthorizationTest, AuthenticateGivesLevelOrFailureWithItsLogLine) {
    const AuthenticateCase cases[] = {
        {"alice", "alicepw", kPermissionUnlock, {"User alice authenticated with Unlock access"}},
        {"ALICE", "alicepw", kPermissionUnlock, {"User ALICE authenticated with Unlock access"}},
        {"", "secret", kPermissionAdmin, {"User administrator authenticated with Admin access"}},
        {"carl", "carlpw", kPermissionNone, {"User carl authenticated with None access"}},
        {"alice",
         "ALICEPW",
         kBadPassword,
         {"Authentication failed: User alice had a bad password"}},
        {"alice", "", kBadPassword, {"Authentication failed: User alice had a bad password"}},
        {"", "", kBadPassword, {}},
        {"bob", "x", kUserNotFound, {"Username bob not found!"}},
        {"bob\r\n[1:00:00 PM] forged",
         "x",
         kUserNotFound,
         {"Username bob??[1:00:00 PM] forged not found!"}},
    };
    for (const AuthenticateCase& c : cases) {
        SCOPED_TRACE(std::string(c.user) + "/" + c.password);
        AccountWorld world;
        world.Change([](TOstrelSettings& s) {
            s.LogBadPasswords = true;
            s.LogUserWhoUnlocked = true;
        });
        world.users.AddAccount("administrator", "secret", kPermissionAdmin);
        world.users.AddAccount("alice", "alicepw", kPermissionUnlock);
        world.users.AddAccount("carl", "carlpw", kPermissionNone);
        FakeLockForm lockForm;
        const Authenticator authenticator(world.settings, world.users, world.log, lockForm);
        EXPECT_EQ(authenticator.Authenticate(c.user, c.password), c.level);
        EXPECT_EQ(world.LogLines(), c.logLines);
        EXPECT_EQ(lockForm.appended, c.level == kUserNotFound ? Lines{"-2"} : Lines{});
    }
}

TEST_F(AuthorizationTest, AuthenticateLogsOnlyWhatTheSwitchesAsk) {
    world_.Change([](TOstrelSettings& s) {
        s.LogBadPasswords = false;
        s.LogUserWhoUnlocked = false;
    });
    EXPECT_EQ(authenticator_.Authenticate("alice", "alicepw"), kPermissionUnlock);
    EXPECT_EQ(authenticator_.Authenticate("alice", "no"), kBadPassword);
    EXPECT_EQ(authenticator_.Authenticate("bob", "no"), kUserNotFound);
    EXPECT_EQ(world_.LogLines(), Lines{});
}

TEST_F(AuthorizationTest, AuthenticateTracesEachStep) {
    world_.log.SetDebugSwitches(true, false);
    world_.Change([](TOstrelSettings& s) { s.LogBadPasswords = s.LogUserWhoUnlocked = false; });
    authenticator_.Authenticate("", "");
    authenticator_.Authenticate("alice", "no");
    authenticator_.Authenticate("alice", "alicepw");
    authenticator_.Authenticate("bob", "no");
    EXPECT_EQ(world_.LogLines(), (Lines{"*unMain.Authenticate", "*auth_badpass",
                                        "*unMain.Authenticate", "*auth_badpass (wrong password)",
                                        "*unMain.Authenticate", "*authenticating...authenticated",
                                        "*unMain.Authenticate", "*auth_usernotfound"}));
}

TEST_F(AuthorizationTest, AccountWithoutPasswordKeyNeverAuthenticates) {
    world_.files.SetFile("/prog/userlist.dat", "[dave]\r\nPermissions=2\r\n");
    const UserList users(world_.files, "/prog/userlist.dat");
    const Authenticator authenticator(world_.settings, users, world_.log, lockForm_);
    EXPECT_EQ(authenticator.Authenticate("dave", ""), kBadPassword);
    EXPECT_EQ(authenticator.Authenticate("dave", "nohash"), kBadPassword);
}

// The remote-control thread authenticates while the GUI thread changes settings and accounts.
TEST_F(AuthorizationTest, AuthenticateRunsBesideChangesOnTheGuiThread) {
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 3; ++t) {
        readers.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                if (authenticator_.Authenticate("alice", "alicepw") != kPermissionUnlock) ++wrong;
            }
        });
    }
    for (int i = 0; i < 50; ++i) {
        world_.Change([i](TOstrelSettings& s) { s.LogUserWhoUnlocked = i % 2 == 0; });
        world_.users.AddAccount("user" + std::to_string(i), "pw", kPermissionUnlock);
    }
    for (std::thread& reader : readers) reader.join();
    EXPECT_EQ(wrong, 0);
}

// One call of Authorize and everything it leaves behind.
struct AuthorizeCase {
    const char* name;
    bool multiUser;
    LockFormStatus lockForm;
    Lines masterTries;
    int masterEnd;
    std::optional<std::pair<std::string, std::string>> account;
    int requiredLevel;
    bool granted;
    bool prompted;
    Lines console;
    Lines events;
    Lines logLines;
    int messageBoxes;
};

void PrintTo(const AuthorizeCase& c, std::ostream* out) {
    *out << c.name;
}

const AuthorizeCase kAuthorizeCases[] = {
    {"UnlockedLockFormGrantsAtOnce",
     true,
     LockFormStatus::kUnlocked,
     {},
     kModalCancel,
     std::nullopt,
     2,
     true,
     false,
     {"Authorize: Ostrel already unlocked"},
     {},
     {},
     0},
    {"MasterPasswordRight",
     false,
     LockFormStatus::kAbsent,
     {"master"},
     kModalCancel,
     std::nullopt,
     2,
     true,
     true,
     {},
     {},
     {},
     0},
    {"MasterPasswordWrongTwiceThenRight",
     false,
     LockFormStatus::kLocked,
     {"x", "Master", "master"},
     kModalCancel,
     std::nullopt,
     2,
     true,
     true,
     {},
     {"Incorrect password to change Options", "Incorrect password to change Options"},
     {"Security Event: Incorrect password to change Options",
      "Security Event: Incorrect password to change Options"},
     2},
    {"MasterPasswordCancelled",
     false,
     LockFormStatus::kAbsent,
     {"x"},
     kModalCancel,
     std::nullopt,
     2,
     false,
     true,
     {},
     {"Incorrect password to change Options"},
     {"Security Event: Incorrect password to change Options"},
     1},
    {"MasterPromptOtherResult",
     false,
     LockFormStatus::kAbsent,
     {},
     3,
     std::nullopt,
     2,
     false,
     true,
     {},
     {"Bad Password in Authorize routine (change Options)"},
     {"change Options: BAD PASSWORD",
      "Security Event: Bad Password in Authorize routine (change Options)"},
     0},
    {"AdminAccount",
     true,
     LockFormStatus::kLocked,
     {},
     kModalCancel,
     std::pair<std::string, std::string>{"administrator", "secret"},
     2,
     true,
     true,
     {"Admin"},
     {},
     {"User administrator authenticated with Admin access"},
     0},
    {"UnlockAccountTooLow",
     true,
     LockFormStatus::kAbsent,
     {},
     kModalCancel,
     std::pair<std::string, std::string>{"alice", "alicepw"},
     2,
     false,
     true,
     {"Unlock"},
     {"You don't have the proper credentials to change Options"},
     {"User alice authenticated with Unlock access",
      "Security Event: You don't have the proper credentials to change Options"},
     0},
    {"UnlockAccountEnough",
     true,
     LockFormStatus::kAbsent,
     {},
     kModalCancel,
     std::pair<std::string, std::string>{"alice", "alicepw"},
     1,
     true,
     true,
     {"Unlock"},
     {},
     {"User alice authenticated with Unlock access"},
     0},
    {"DisabledAccountIsBadCredentials",
     true,
     LockFormStatus::kAbsent,
     {},
     kModalCancel,
     std::pair<std::string, std::string>{"carl", "carlpw"},
     1,
     false,
     true,
     {},
     {"Incorrect password to change Options",
      "Bad User/Password in Authorize routine (change Options)"},
     {"User carl authenticated with None access",
      "Security Event: Incorrect password to change Options", "change Options: BAD USER/PASSWORD",
      "Security Event: Bad User/Password in Authorize routine (change Options)"},
     0},
    {"UnknownUser",
     true,
     LockFormStatus::kAbsent,
     {},
     kModalCancel,
     std::pair<std::string, std::string>{"bob", "x"},
     1,
     false,
     true,
     {},
     {"Incorrect password to change Options",
      "Bad User/Password in Authorize routine (change Options)"},
     {"Username bob not found!", "Security Event: Incorrect password to change Options",
      "change Options: BAD USER/PASSWORD",
      "Security Event: Bad User/Password in Authorize routine (change Options)"},
     0},
    {"AccountCancelled",
     true,
     LockFormStatus::kAbsent,
     {},
     kModalCancel,
     std::nullopt,
     1,
     false,
     true,
     {"Modal Result: Cancel"},
     {},
     {},
     0},
};

class AuthorizeTableTest : public AuthorizationTest,
                           public testing::WithParamInterface<AuthorizeCase> {};

TEST_P(AuthorizeTableTest, DecidesAndReports) {
    const AuthorizeCase& c = GetParam();
    world_.Change([&](TOstrelSettings& s) { s.multiUser = c.multiUser; });
    lockForm_.status = c.lockForm;
    prompt_.masterTries = c.masterTries;
    prompt_.masterEnd = c.masterEnd;
    prompt_.account = c.account;

    EXPECT_EQ(authorizer_.Authorize("change Options", c.requiredLevel), c.granted);
    EXPECT_EQ(prompt_.actions, c.prompted ? Lines{"change Options"} : Lines{});
    EXPECT_EQ(lockForm_.buttonReleases, c.lockForm == LockFormStatus::kAbsent ? 0 : 1);
    EXPECT_EQ(world_.ConsoleLines(), c.console);
    EXPECT_EQ(Events(), c.events);
    EXPECT_EQ(world_.LogLines(), c.logLines);
    const MessageBoxRequest incorrect{"Incorrect password..", "Error", MessageIcon::kError,
                                      MessageButtons::kOk, true};
    EXPECT_EQ(world_.dialogs.boxes, std::vector<MessageBoxRequest>(c.messageBoxes, incorrect));
}

INSTANTIATE_TEST_SUITE_P(Cases, AuthorizeTableTest, testing::ValuesIn(kAuthorizeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AuthorizationTest, RefusalsGoNowhereWhenLoggingAndReportingAreOff) {
    world_.Change([](TOstrelSettings& s) {
        s.multiUser = true;
        s.LogBadPasswords = false;
        s.LogUserWhoUnlocked = false;
        s.reportSecurityEvents = false;
    });
    prompt_.account = {"bob", "x"};
    EXPECT_FALSE(authorizer_.Authorize("change Options", 1));
    EXPECT_EQ(world_.LogLines(), Lines{});
    EXPECT_EQ(Events(), Lines{});
}

TEST_F(AuthorizationTest, TracesTheTickCountAndTheDialog) {
    world_.log.SetDebugSwitches(true, false);
    world_.clock.Advance(54245250);
    world_.Change([](TOstrelSettings& s) { s.LogBadPasswords = false; });
    EXPECT_FALSE(authorizer_.Authorize("view Logs", 2));
    EXPECT_EQ(world_.LogLines(), (Lines{"*54245250Authorize: view Logs", "*frmUnlock.Create",
                                        "*Modal Result: cancel"}));
}

TEST_F(AuthorizationTest, ActionsTakeTheirTextAndLevelFromTheSettings) {
    world_.Change([](TOstrelSettings& s) {
        s.multiUser = true;
        s.UserViewLogs = true;
    });
    prompt_.account = {"alice", "alicepw"};
    EXPECT_TRUE(authorizer_.Authorize(AuthAction::kViewLogs));
    EXPECT_FALSE(authorizer_.Authorize(AuthAction::kChangeLayouts));
    EXPECT_EQ(prompt_.actions, (Lines{"view Logs", "change layouts"}));
}

TEST_F(AuthorizationTest, ActionFreedByItsSwitchAsksNothing) {
    world_.Change([](TOstrelSettings& s) { s.UserAccessHelp = true; });
    lockForm_.status = LockFormStatus::kLocked;
    EXPECT_TRUE(authorizer_.Authorize(AuthAction::kViewHelpFile));
    EXPECT_EQ(prompt_.actions, Lines{});
    EXPECT_EQ(lockForm_.buttonReleases, 0);
    EXPECT_FALSE(authorizer_.Authorize(AuthAction::kChangeConsoleMode));
    EXPECT_EQ(prompt_.actions, Lines{"change console mode"});
}

TEST(UnlockPromptText, NamesTheAction) {
    EXPECT_EQ(UnlockPromptText("unlock && exit Ostrel"), "Enter password to unlock && exit Ostrel");
}

}  // namespace
}  // namespace ostrel
