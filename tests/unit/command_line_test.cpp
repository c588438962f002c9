#include "workstation/process/command_line.h"

#include <gtest/gtest.h>

#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

struct SwitchCase {
    const char* name;
    std::vector<std::string> arguments;
    CommandLineSwitches expected;
    const char* startReason;
};

CommandLineSwitches With(void (*set)(CommandLineSwitches&)) {
    CommandLineSwitches switches;
    set(switches);
    return switches;
}

const SwitchCase kSwitchCases[] = {
    {"None", {}, {}, "Default"},
    {"RunForFiveAtTheEnd",
     {"-tray", "-runfor", "5"},
     With([](CommandLineSwitches& s) {
         s.runTray = true;
         s.runFor = true;
         s.quitIntervalMs = 300000;
     }),
     "Default"},
    {"RunForFollowedByTrayIsNoNumber",
     {"-runfor", "5", "-tray"},
     With([](CommandLineSwitches& s) {
         s.runFor = true;
         s.runTray = true;
     }),
     "Default"},
    {"RunForReadsFourCharacters",
     {"-runfor", "12345"},
     With([](CommandLineSwitches& s) {
         s.runFor = true;
         s.quitIntervalMs = 1234 * 60000;
     }),
     "Default"},
    {"RunForWithNothingAfter",
     {"-runfor"},
     With([](CommandLineSwitches& s) { s.runFor = true; }),
     "Default"},
    {"UpperCaseRunTray",
     {"-RUNTRAY"},
     With([](CommandLineSwitches& s) { s.runTray = true; }),
     "Default"},
    {"TrayAlone", {"-tray"}, With([](CommandLineSwitches& s) { s.runTray = true; }), "Default"},
    {"RoBeforeExplorer",
     {"-ro"},
     With([](CommandLineSwitches& s) { s.ro = true; }),
     "Run before explorer"},
    {"RunKeyWinsOverRo",
     {"-ro", "-runkey"},
     With([](CommandLineSwitches& s) {
         s.ro = true;
         s.runKey = true;
     }),
     "Run after explorer"},
    {"RunKeyFirstWinsToo",
     {"-RunKey", "-Ro"},
     With([](CommandLineSwitches& s) {
         s.ro = true;
         s.runKey = true;
     }),
     "Run after explorer"},
    {"SwitchesRunTogether",
     {"-noprompt-killonclose-savedebug-showdebug-halt"},
     With([](CommandLineSwitches& s) {
         s.noPrompt = true;
         s.killOnClose = true;
         s.saveDebug = true;
         s.showDebug = true;
         s.halt = true;
     }),
     "Default"},
    {"SlashSwitchesAreNotDashSwitches", {"/r", "/p", "tray"}, {}, "Default"},
};

class SwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, ReadsTheSwitchesFromTheJoinedLowerCasedText) {
    const SwitchCase& c = GetParam();
    const CommandLineSwitches s = ReadSwitches(CommandLineTextOf(c.arguments));
    const CommandLineSwitches& e = c.expected;
    EXPECT_EQ(s.noPrompt, e.noPrompt);
    EXPECT_EQ(s.ro, e.ro);
    EXPECT_EQ(s.runKey, e.runKey);
    EXPECT_EQ(s.runTray, e.runTray);
    EXPECT_EQ(s.killOnClose, e.killOnClose);
    EXPECT_EQ(s.saveDebug, e.saveDebug);
    EXPECT_EQ(s.showDebug, e.showDebug);
    EXPECT_EQ(s.halt, e.halt);
    EXPECT_EQ(s.gotoGiven, e.gotoGiven);
    EXPECT_EQ(s.runFor, e.runFor);
    EXPECT_EQ(s.quitIntervalMs, e.quitIntervalMs);
    EXPECT_EQ(StartReasonFor(s), c.startReason);
}

INSTANTIATE_TEST_SUITE_P(CommandLine, SwitchTest, ::testing::ValuesIn(kSwitchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTextTest, EntryTextKeepsCaseAndSwitchTextIsLowerCase) {
    const std::vector<std::string> arguments = {"-Goto", "/Pages/Ä.HTML", "-runfor", "5"};
    EXPECT_EQ(EntryArgumentText(arguments), "-Goto/Pages/Ä.HTML-runfor5");
    EXPECT_EQ(CommandLineTextOf(arguments), "-goto/pages/Ä.html-runfor5");
}

class GotoTest : public ::testing::Test {
protected:
    GotoTest() { files_.SetFile("/srv/pages/away.html", "<html>"); }

    std::optional<std::string> GotoOf(const std::vector<std::string>& arguments) const {
        const CommandLineSwitches switches = ReadSwitches(CommandLineTextOf(arguments));
        EXPECT_TRUE(switches.gotoGiven);
        return GotoUrlFor(switches.gotoText, files_);
    }

    FakeFileSystem files_;
};

TEST_F(GotoTest, AnExistingFileBecomesTheUrl) {
    EXPECT_EQ(GotoOf({"-goto", "/srv/pages/away.html"}), "/srv/pages/away.html");
}

TEST_F(GotoTest, TheWholeTextIsLowerCasedSoAMixedCasePathNamesNoFile) {
    files_.SetFile("/srv/Pages/Notice.html", "<html>");
    EXPECT_EQ(GotoOf({"-goto", "/srv/Pages/Notice.html"}), std::nullopt);
}

TEST_F(GotoTest, AMissingFileIsNoUrl) {
    EXPECT_EQ(GotoOf({"-goto", "/srv/pages/gone.html"}), std::nullopt);
    EXPECT_EQ(GotoOf({"-goto"}), std::nullopt);
}

TEST_F(GotoTest, AnAddressWithASchemeIsTakenAsItIs) {
    EXPECT_EQ(GotoOf({"-goto", "http://intranet/away"}), "http://intranet/away");
}

TEST_F(GotoTest, TheUrlIsTheRestOfTheTextUpToItsLimit) {
    // Everything after -goto belongs to the address, later switches included.
    EXPECT_EQ(GotoOf({"-goto", "http://x/", "-tray"}), "http://x/-tray");
    const std::string longAddress = "http://" + std::string(400, 'a');
    const auto url = GotoOf({"-goto", longAddress});
    ASSERT_TRUE(url);
    EXPECT_EQ(*url, longAddress.substr(0, kGotoTextLimit));
}

}  // namespace
}  // namespace ostrel
