#include "workstation/lock/lock_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../support/fake_lock_form.h"
#include "common/passwords.h"
#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/recording_datagram_sender.h"
#include "fake/recording_dialogs.h"
#include "fake/recording_lock_parts.h"

namespace ostrel {
namespace {

using Calls = std::vector<std::string>;

// The desktop-wide measures, the part of a session's calls whose order matters most.
const Calls kMeasures = {
    "HideTaskBar",
    "ShowTaskBar",
    "SetGlobalAutoRunSetting 255",
    "SetGlobalAutoRunSetting 149",
    "SetGlobalAutoRunSetting 7",
    "SetDisableAutoPlaySetting 1",
    "SetDisableAutoPlaySetting 0",
    "SetSessionPolicies false",
    "SetSessionPolicies true",
    "CloseTaskManagers",
    "HookSystemKeys",
    "UnhookSystemKeys",
    "SetNetworkAccess false",
    "SetNetworkAccess true",
    "MinimizeAll",
    "LockWorkStation",
};

class LockSessionTest : public testing::Test {
protected:
    LockSessionTest() {
        fs_.AddDirectories("/prog");
        fs_.AddDirectories("/data/Logs");
        fs_.AddDirectories("/config");
        PrepareRegistryStoreFolder(fs_, "/config/");
        store_.Start();
        store_.Modify([](TOstrelSettings& s) { s.passwordHash = HashPassword("secret"); });
    }

    LockSession& NewSession(SessionStart start = {}) {
        start.programFolder = "/prog/";
        session_ = std::make_unique<LockSession>(log_, store_, clock_, authenticator_, reporter_,
                                                 parts_, parts_, parts_, start);
        return *session_;
    }

    Calls Measures() const {
        Calls measures;
        std::copy_if(parts_.calls.begin(), parts_.calls.end(), std::back_inserter(measures),
                     [](const std::string& call) {
                         return std::find(kMeasures.begin(), kMeasures.end(), call) !=
                                kMeasures.end();
                     });
        return measures;
    }
    bool Called(const std::string& call) const {
        return std::find(parts_.calls.begin(), parts_.calls.end(), call) != parts_.calls.end();
    }
    std::string Log() const { return fs_.ReadFile("/data/Logs/Dec-09-09.txt").value_or(""); }

    FakeFileSystem fs_;
    FakeClock clock_;
    EventLog log_{fs_, clock_, "/data/", "/prog/"};
    RecordingDialogs dialogs_;
    OstrelSettingsStore store_{fs_, log_, dialogs_, {"/prog/", "/usr/lib", "10.0.0.1"}, "/config/"};
    UserList users_{fs_, "/prog/userlist.dat"};
    FakeLockForm lockForm_;
    Authenticator authenticator_{store_, users_, log_, lockForm_};
    RecordingDatagramSender sender_;
    SecurityEventReporter reporter_{store_, log_, sender_};
    RecordingLockParts parts_;
    std::unique_ptr<LockSession> session_;
};

TEST_F(LockSessionTest, ShutdownUndoesEveryMeasureInOrder) {
    store_.Modify([](TOstrelSettings& s) { s.suspendNetwork = true; });
    parts_.globalAutoRun = 7;
    LockSession& session = NewSession({.startReason = "Hotkey", .userName = "ann"});
    session.Startup();
    EXPECT_TRUE(session.Locked());
    EXPECT_FALSE(session.AllowClose());
    EXPECT_EQ(Measures(),
              (Calls{"SetNetworkAccess false", "HideTaskBar", "SetGlobalAutoRunSetting 255",
                     "SetDisableAutoPlaySetting 1", "SetSessionPolicies false", "CloseTaskManagers",
                     "HookSystemKeys"}));

    parts_.calls.clear();
    session.Shutdown();
    EXPECT_EQ(Measures(), (Calls{"ShowTaskBar", "SetSessionPolicies true", "UnhookSystemKeys",
                                 "SetGlobalAutoRunSetting 7", "SetDisableAutoPlaySetting 0",
                                 "SetNetworkAccess true"}));
    EXPECT_TRUE(session.AllowClose());
    EXPECT_TRUE(Called("CloseMainForm"));
    EXPECT_TRUE(Called("WriteStartupData"));
    EXPECT_FALSE(Called("TerminateProcess"));

    const std::string log = Log();
    EXPECT_NE(log.find("] Ostrel 3.0 started by ann (Hotkey)\r\n"), std::string::npos);
    EXPECT_NE(log.find("] Network access suspended\r\n"), std::string::npos);
    EXPECT_NE(log.find("] Ostrel Shutdown\r\n"), std::string::npos);

    parts_.calls.clear();
    session.Shutdown();  // a second request finds the session over
    EXPECT_TRUE(parts_.calls.empty());
}

TEST_F(LockSessionTest, StartupWithoutMasterPasswordAppliesAndUndoesNothing) {
    store_.Modify([](TOstrelSettings& s) { s.passwordHash.clear(); });
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_TRUE(Measures().empty());
    EXPECT_TRUE(Called("RunFirstRunDialog"));
    EXPECT_TRUE(Called("SetCanCloseOstrel true"));
    EXPECT_TRUE(Called("CloseMainForm"));
    EXPECT_TRUE(session.AllowClose());
    EXPECT_FALSE(session.Locked());
    EXPECT_NE(log_.ControllerConsoleText().find("] No password defined.\r\n"), std::string::npos);
}

TEST_F(LockSessionTest, FirstRunPasswordLetsTheLockGoOn) {
    store_.Modify([](TOstrelSettings& s) { s.passwordHash.clear(); });
    parts_.firstRunDialog = [this] {
        store_.Modify([](TOstrelSettings& s) { s.passwordHash = HashPassword("new"); });
        return false;
    };
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_TRUE(session.Locked());
    EXPECT_TRUE(Called("HookSystemKeys"));
}

TEST_F(LockSessionTest, FirstRunExitEndsTheSessionWithoutMeasuresToUndo) {
    store_.Modify([](TOstrelSettings& s) { s.passwordHash.clear(); });
    parts_.firstRunDialog = [] { return true; };
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_TRUE(session.Ended());
    EXPECT_EQ(Measures(), (Calls{"ShowTaskBar", "SetSessionPolicies true", "UnhookSystemKeys"}));
}

TEST_F(LockSessionTest, MasterPasswordEndsTheSessionOnlyWhenRight) {
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_FALSE(session.CheckExitCredentials("", "Secret"));
    EXPECT_EQ(session.Commands().TakePending(), std::nullopt);
    EXPECT_EQ(sender_.Sent().back().payload, "/se:Incorrect password entered");
    EXPECT_NE(Log().find("] Bad Password entered to exit Ostrel\r\n"), std::string::npos);
    EXPECT_EQ(Log().find("Secret"), std::string::npos);  // the typed text stays out of the log
    EXPECT_TRUE(session.CheckExitCredentials("", "secret"));
    EXPECT_EQ(session.Commands().TakePending(), "shutdown");
    EXPECT_FALSE(session.CloseQuery());
}

TEST_F(LockSessionTest, AccountCredentialsInMultiUserMode) {
    store_.Modify([](TOstrelSettings& s) { s.multiUser = true; });
    ASSERT_TRUE(users_.AddAccount("bob", "pw1", kPermissionUnlock));
    ASSERT_TRUE(users_.AddAccount("eve", "pw2", kPermissionNone));
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_FALSE(session.CheckExitCredentials("eve", "pw2"));  // a disabled account
    EXPECT_FALSE(session.CheckExitCredentials("bob", "wrong"));
    EXPECT_EQ(session.Commands().TakePending(), std::nullopt);
    EXPECT_NE(Log().find("] Bad Username/Password entered to exit Ostrel: bob\r\n"),
              std::string::npos);
    EXPECT_EQ(Log().find("wrong"), std::string::npos);
    EXPECT_TRUE(session.CheckExitCredentials("BOB", "pw1"));
    EXPECT_EQ(session.Commands().TakePending(), "shutdown");
    EXPECT_NE(Log().find("] User BOB unlocked Ostrel to exit.\r\n"), std::string::npos);
}

struct EndCase {
    const char* name;
    SessionStart start;
    bool terminateWord;
    Calls expectedEnd;
};

TEST_F(LockSessionTest, SessionEndReturnsToTheTrayOrEndsTheProcess) {
    const EndCase cases[] = {
        {"plain", {}, false, {}},
        {"killonclose", {.killOnClose = true}, false, {"TerminateProcess"}},
        {"terminate_word", {}, true, {"TerminateProcess"}},
        {"run_once", {.runOnce = true}, false, {"StartRestartProgram", "TerminateProcess"}},
    };
    for (const EndCase& c : cases) {
        parts_.calls.clear();
        LockSession& session = NewSession(c.start);
        session.Startup();
        if (c.terminateWord) session.SetTerminateAfterShutdown();
        parts_.calls.clear();
        session.Shutdown();
        const auto close = std::find(parts_.calls.begin(), parts_.calls.end(), "CloseMainForm");
        ASSERT_NE(close, parts_.calls.end()) << c.name;
        EXPECT_EQ(Calls(close + 1, parts_.calls.end()), c.expectedEnd) << c.name;
    }
}

TEST_F(LockSessionTest, NetworkIsSuspendedOncePerSession) {
    store_.Modify([](TOstrelSettings& s) { s.suspendNetwork = true; });
    LockSession& session = NewSession();
    session.Startup();
    session.OstrelSettingsApply();
    EXPECT_EQ(std::count(parts_.calls.begin(), parts_.calls.end(), "SetNetworkAccess false"), 1);
    EXPECT_TRUE(session.NetworkSuspended());
}

TEST_F(LockSessionTest, LockedSessionIsRecordedUntilShutdown) {
    store_.Modify([](TOstrelSettings& s) { s.suspendNetwork = true; });
    parts_.globalAutoRun = 7;
    LockSession& session = NewSession();
    session.Startup();
    // Recorded once locked, with what the session's end restores.
    EXPECT_EQ(parts_.recordedSession, (LockedSessionRecord{7, 0, true}));
    const auto hook = std::find(parts_.calls.begin(), parts_.calls.end(), "HookSystemKeys");
    EXPECT_NE(std::find(hook, parts_.calls.end(), "RecordLockedSession"), parts_.calls.end());

    parts_.calls.clear();
    session.Shutdown();
    EXPECT_EQ(parts_.recordedSession, std::nullopt);
    // Dropped only once every measure is undone, before the form goes.
    const auto resumed =
        std::find(parts_.calls.begin(), parts_.calls.end(), "SetNetworkAccess true");
    const auto cleared = std::find(parts_.calls.begin(), parts_.calls.end(), "ClearLockedSession");
    const auto closed = std::find(parts_.calls.begin(), parts_.calls.end(), "CloseMainForm");
    EXPECT_LT(resumed, cleared);
    EXPECT_LT(cleared, closed);
}

TEST_F(LockSessionTest, NothingIsRecordedWhenStartupStopsBeforeTheLock) {
    store_.Modify([](TOstrelSettings& s) { s.passwordHash.clear(); });
    NewSession().Startup();
    EXPECT_FALSE(Called("RecordLockedSession"));
}

TEST_F(LockSessionTest, SessionAfterAnUnexpectedExitRestoresWhatTheLostOneFound) {
    // The lost session had set the lock's values and suspended the network (from its button:
    // suspendNetwork is off).
    parts_.lostSession = LockedSessionRecord{7, 0, true};
    parts_.globalAutoRun = 255;
    parts_.disableAutoPlay = 1;
    LockSession& session = NewSession();
    session.Startup();
    EXPECT_TRUE(session.NetworkSuspended());
    EXPECT_FALSE(Called("SetNetworkAccess false"));  // suspended once, by the lost session
    EXPECT_FALSE(Called("SetNetworkIndicator false"));
    EXPECT_EQ(parts_.recordedSession, (LockedSessionRecord{7, 0, true}));

    parts_.calls.clear();
    session.Shutdown();
    EXPECT_EQ(Measures(), (Calls{"ShowTaskBar", "SetSessionPolicies true", "UnhookSystemKeys",
                                 "SetGlobalAutoRunSetting 7", "SetDisableAutoPlaySetting 0",
                                 "SetNetworkAccess true"}));
}

TEST_F(LockSessionTest, WindowWatchersFollowTheSettings) {
    store_.Modify([](TOstrelSettings& s) {
        s.StopTaskMgr = true;
        s.TaskMgrScanTime = 750;
        s.autoHide = true;
    });
    NewSession().Startup();
    EXPECT_TRUE(Called("SetTaskManagerCloser true 750"));
    EXPECT_TRUE(Called("SetAutoMinimize true"));
}

TEST_F(LockSessionTest, AwayPickerRunsAtStartupOnlyWhenAskedForAndNotSwitchedOff) {
    struct Case {
        bool prompt;
        bool noPrompt;
        bool picker;
    };
    for (const Case c :
         {Case{true, false, true}, Case{true, true, false}, Case{false, false, false}}) {
        store_.Modify([&c](TOstrelSettings& s) {
            s.PromptForAwayMsg = c.prompt;
            s.DefaultAwayMessage = "Back soon";
        });
        parts_.calls.clear();
        LockSession& session = NewSession({.noPrompt = c.noPrompt});
        session.Startup();
        EXPECT_EQ(Called("PickAwayMessage"), c.picker) << c.prompt << c.noPrompt;
        EXPECT_EQ(session.AwayMessage(), "Back soon");
    }
    EXPECT_NE(log_.ControllerConsoleText().find("] Prompting for Away Message..\r\n"),
              std::string::npos);
}

TEST_F(LockSessionTest, EmptiedAwayMessageBecomesTheDefaultWhenSettingsApplyAgain) {
    LockSession& session = NewSession();
    session.Startup();
    session.SetAwayMessage("");
    session.OstrelSettingsApply();
    EXPECT_EQ(session.AwayMessage(), store_.Get()->DefaultAwayMessage);
}

TEST_F(LockSessionTest, ShutdownShowsTheReaderBeforeTheLockGoesOnlyWithMessages) {
    for (const int count : {0, 2}) {
        parts_.messageCount = count;
        LockSession& session = NewSession();
        session.Startup();
        parts_.calls.clear();
        session.Shutdown();
        const auto at = [this](const std::string& call) {
            return std::find(parts_.calls.begin(), parts_.calls.end(), call) - parts_.calls.begin();
        };
        EXPECT_EQ(Called("RunMessageReader"), count > 0);
        if (count > 0) {
            EXPECT_LT(at("UnhookSystemKeys"), at("RunMessageReader"));
            EXPECT_LT(at("RunMessageReader"), at("CloseMainForm"));
        }
    }
}

}  // namespace
}  // namespace ostrel
