#include "workstation/process/process_entry.h"

#include <gtest/gtest.h>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/fake_instance_channel.h"
#include "workstation/process/instance_messages.h"

namespace ostrel {
namespace {

class RecordingHost : public EntryHost {
public:
    bool PreviewDrawing() override { return previewDrawing; }
    bool RunPreview(std::uint32_t windowId) override {
        previewWindows.push_back(windowId);
        return previewRuns;
    }
    void CreateController() override { controllerCreated = true; }
    int RunMessageLoop() override {
        EXPECT_TRUE(controllerCreated);
        return loopResult;
    }

    bool previewDrawing = false;
    bool previewRuns = true;
    std::vector<std::uint32_t> previewWindows;
    bool controllerCreated = false;
    int loopResult = 7;
};

class ProcessEntryTest : public ::testing::Test {
protected:
    ProcessEntryTest() { files_.AddDirectories("/data/Logs"); }

    int Run(const std::vector<std::string>& arguments) {
        return RunProcessEntry(arguments, log_, channel_, host_);
    }
    // The log's lines after the header, without their time stamps.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        const std::string text = files_.ReadFile("/data/Logs/Dec-09-09.txt").value_or("");
        std::size_t start = text.find("\r\n\r\n\r\n") + 6;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;) {
            std::string line = text.substr(start, end - start);
            const std::size_t stamp = line.find("] ");
            lines.push_back(stamp == std::string::npos ? line : line.substr(stamp + 2));
            start = end + 2;
        }
        return lines;
    }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/prog/"};
    FakeInstanceChannel channel_;
    RecordingHost host_;
};

using LogLines = std::vector<std::string>;

TEST_F(ProcessEntryTest, FirstInstanceCreatesTheControllerAndRunsTheLoop) {
    EXPECT_EQ(Run({"-tray"}), 7);
    EXPECT_TRUE(channel_.claimed);
    EXPECT_TRUE(host_.controllerCreated);
    EXPECT_EQ(Lines(),
              (LogLines{"", "dpr: start! : -tray", "dpr: preview not drawing", "Starting Ostrel"}));
}

TEST_F(ProcessEntryTest, SecondInstanceActivatesTheFirstAndExits) {
    channel_.otherInstanceRunning = true;
    EXPECT_EQ(Run({"-Tray"}), 0);
    EXPECT_FALSE(host_.controllerCreated);
    EXPECT_EQ(channel_.sent, std::vector<InstanceMessage>{kActivationMessage});
    EXPECT_EQ(Lines(), (LogLines{"", "dpr: start! : -Tray", "dpr: preview not drawing",
                                 "dpr: AppIsRunning = true, so exit"}));
}

TEST_F(ProcessEntryTest, TerminatorStopsTheRunningInstanceWithoutClaiming) {
    channel_.otherInstanceRunning = true;
    EXPECT_EQ(Run({"/r"}), 0);
    EXPECT_EQ(channel_.claims, 0);
    EXPECT_EQ(channel_.sent, std::vector<InstanceMessage>{kTerminateRequest});
    EXPECT_EQ(Lines(), (LogLines{"", "dpr: start! : /r", "dpr: /r in paramstr"}));
}

TEST_F(ProcessEntryTest, TerminatorWithNoInstanceSaysSoAndExits) {
    EXPECT_EQ(Run({"/r", "-tray"}), 0);
    EXPECT_FALSE(host_.controllerCreated);
    EXPECT_EQ(Lines(), (LogLines{"", "dpr: start! : /r-tray", "dpr: /r in paramstr",
                                 "FindWindow resulted in 0!"}));
}

TEST_F(ProcessEntryTest, TerminatorTestIsCaseSensitiveAndOnTheFirstArgumentOnly) {
    EXPECT_EQ(Run({"/R"}), 7);
    EXPECT_TRUE(host_.controllerCreated);
    RecordingHost second;
    channel_.otherInstanceRunning = true;
    EXPECT_EQ(RunProcessEntry({"-tray", "/r"}, log_, channel_, second), 0);
    EXPECT_FALSE(second.controllerCreated);
    EXPECT_EQ(channel_.sent, std::vector<InstanceMessage>{kActivationMessage});
}

TEST_F(ProcessEntryTest, PreviewDrawsIntoTheNamedWindowAndExits) {
    EXPECT_EQ(Run({"/p", "4194311"}), 0);
    EXPECT_EQ(host_.previewWindows, std::vector<std::uint32_t>{4194311});
    EXPECT_EQ(channel_.claims, 0);
    EXPECT_EQ(Lines(), (LogLines{"", "dpr: start! : /p4194311", "dpr: preview not drawing"}));
}

TEST_F(ProcessEntryTest, PreviewThatCannotRunGoesOnAsAnOrdinaryStart) {
    host_.previewRuns = false;
    EXPECT_EQ(Run({"/p", "12"}), 7);
    EXPECT_EQ(host_.previewWindows, std::vector<std::uint32_t>{12});
    EXPECT_TRUE(host_.controllerCreated);
}

TEST_F(ProcessEntryTest, NoPreviewWithoutAWindowOrWhileOneDraws) {
    // A path holding "/p" with no window id after it is an ordinary start.
    EXPECT_EQ(Run({"-goto", "/pages/a.html"}), 7);
    EXPECT_TRUE(host_.previewWindows.empty());

    host_.previewDrawing = true;
    channel_.otherInstanceRunning = true;
    EXPECT_EQ(Run({"/p", "12"}), 0);
    EXPECT_TRUE(host_.previewWindows.empty());
    EXPECT_EQ(Lines().back(), "dpr: AppIsRunning = true, so exit");
    EXPECT_EQ(Lines().end()[-2], "dpr: preview drawing already");
}

TEST(PreviewWindowIdTest, OnlyADecimalWindowIdNamesAWindow) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"4194311", 4194311}, {"0", 0},   {"4294967295", 4294967295u},
        {"4294967296", 0},    {"", 0},    {"0x400007", 0},
        {"12a", 0},           {"-12", 0}, {"/pages/a.html", 0},
        {"00000000012", 12},
    };
    for (const auto& [text, id] : cases) EXPECT_EQ(PreviewWindowId(text), id) << text;
}

}  // namespace
}  // namespace ostrel
