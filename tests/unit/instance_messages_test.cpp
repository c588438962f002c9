#include "workstation/process/instance_messages.h"

#include <gtest/gtest.h>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "workstation/process/instance_message_hook.h"

namespace ostrel {
namespace {

TEST(InstanceMessageCodecTest, EveryMessageOfTheTableSurvivesTheLine) {
    for (const InstanceMessage& message :
         {kTraceOnlyRequest, kActivateRequest, kScreenSaverLaunchRequest, kTerminateRequest,
          kActivationMessage}) {
        const std::string line = EncodeInstanceMessage(message);
        ASSERT_EQ(line.back(), '\n');
        EXPECT_EQ(DecodeInstanceMessage(std::string_view(line).substr(0, line.size() - 1)),
                  message);
    }
    EXPECT_EQ(EncodeInstanceMessage(kTerminateRequest), "12346 53 6999\n");
}

TEST(InstanceMessageCodecTest, ALineNotInTheFormIsNoMessage) {
    for (const char* line :
         {"", "12346 53", "12346 53 6999 1", "12346  53 6999", " 12346 53 6999", "12346 53 6999 ",
          "12346 53 x", "12346 53 99999999999", "12346 53 6999\r", "+12346 53 6999"}) {
        EXPECT_EQ(DecodeInstanceMessage(line), std::nullopt) << line;
    }
    EXPECT_EQ(DecodeInstanceMessage(std::string(kInstanceMessageLineLimit, '1')), std::nullopt);
}

class RecordingTarget : public InstanceMessageTarget {
public:
    bool LockFormExists() const override { return lockForm; }
    void StartLockScreen() override { calls.push_back("start"); }
    void SetCommandLineText(const std::string& text) override { calls.push_back("text " + text); }
    void BringToFront() override { calls.push_back("front"); }
    void Terminate() override { calls.push_back("terminate"); }

    bool lockForm = false;
    std::vector<std::string> calls;
};

struct HookCase {
    const char* name;
    InstanceMessage message;
    bool lockForm;
    std::vector<std::string> calls;
    std::vector<std::string> traces;
};

const HookCase kHookCases[] = {
    {"TraceOnly", kTraceOnlyRequest, false, {}, {"received 6999,50"}},
    {"Activate", kActivateRequest, false, {"start"}, {"Activate Ostrel MSG received 6998,51"}},
    {"ActivateWhileLocked",
     kActivateRequest,
     true,
     {"start"},
     {"Activate Ostrel MSG received 6998,51"}},
    {"ScreenSaverLaunch",
     kScreenSaverLaunchRequest,
     false,
     {"text -noprompt", "start"},
     {"OstrelLaunch /s message received 6998,52"}},
    {"ScreenSaverLaunchWhileLocked",
     kScreenSaverLaunchRequest,
     true,
     {"text -noprompt", "start"},
     {"OstrelLaunch /s message received 6998,52", "warning: frmMain is not nil!"}},
    {"Terminate", kTerminateRequest, false, {"terminate"}, {"received 6999, 53 (terminate)"}},
    {"Activation", kActivationMessage, false, {"front", "start"}, {"received 1147 (activate)"}},
    {"ActivationWhileLocked", kActivationMessage, true, {}, {"received 1147 (activate)"}},
    {"UnknownPair", {kInstanceMessageNumber, 53, 6998}, false, {}, {}},
    {"UnknownMessage", {1109, 0, 0}, false, {}, {}},
};

class InstanceMessageHookTest : public ::testing::TestWithParam<HookCase> {
protected:
    InstanceMessageHookTest() {
        files_.AddDirectories("/data/Logs");
        log_.SetDebugSwitches(true, false);
    }

    // The daily log's traces, without time stamps and the "*" of a trace.
    std::vector<std::string> Traces() const {
        std::vector<std::string> traces;
        const std::string text = files_.ReadFile("/data/Logs/Dec-09-09.txt").value_or("");
        for (std::size_t at = 0; (at = text.find("] *", at)) != std::string::npos;) {
            const std::size_t end = text.find("\r\n", at);
            traces.push_back(text.substr(at + 3, end - at - 3));
            at = end;
        }
        return traces;
    }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/prog/"};
};

TEST_P(InstanceMessageHookTest, ActsOnTheMessageWithItsTrace) {
    const HookCase& c = GetParam();
    RecordingTarget target;
    target.lockForm = c.lockForm;
    HandleInstanceMessage(c.message, target, log_);
    EXPECT_EQ(target.calls, c.calls);
    EXPECT_EQ(Traces(), c.traces);
}

INSTANTIATE_TEST_SUITE_P(InstanceMessages, InstanceMessageHookTest, ::testing::ValuesIn(kHookCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel
