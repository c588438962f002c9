#include "common/event_log.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <random>
#include <regex>
#include <thread>
#include <vector>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "linux/linux_file_system.h"

namespace ostrel {
namespace {

constexpr std::string_view kHeader =
    "-- Ostrel3 log file -- created 12/9/2009 3:04:05 PM\r\n\r\n\r\n";
constexpr char kToday[] = "/data/Logs/Dec-09-09.txt";

class RecordingConsole : public ConsoleSink {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    void Clear() override {
        lines.clear();
        ++clears;
    }

    std::vector<std::string> lines;
    int clears = 0;
};

class EventLogTest : public ::testing::Test {
protected:
    EventLogTest() {
        files_.AddDirectories("/data");
        files_.AddDirectories("/prog");
    }

    std::string Today() const { return files_.ReadFile(kToday).value_or("<missing>"); }

    FakeFileSystem files_;
    FakeClock clock_;  // 2009-12-09 15:04:05
    EventLog log_{files_, clock_, "/data/", "/prog"};
};

TEST_F(EventLogTest, FirstLineOfADayStartsTheFileWithItsHeader) {
    EXPECT_TRUE(log_.WriteLog("Ostrel Locked"));
    EXPECT_TRUE(log_.WriteLog("Power Suspended"));
    EXPECT_EQ(Today(), std::string(kHeader) + "[3:04:05 PM] Ostrel Locked\r\n" +
                           "[3:04:05 PM] Power Suspended\r\n");
}

TEST_F(EventLogTest, MidnightStartsANewFile) {
    clock_.Set({2009, 12, 9, 23, 59, 59, 0});
    log_.WriteLog("late");
    clock_.Set({2009, 12, 10, 0, 0, 1, 0});
    log_.WriteLog("early");
    EXPECT_EQ(files_.ReadFile(kToday),
              "-- Ostrel3 log file -- created 12/9/2009 11:59:59 PM\r\n\r\n\r\n"
              "[11:59:59 PM] late\r\n");
    EXPECT_EQ(files_.ReadFile("/data/Logs/Dec-10-09.txt"),
              "-- Ostrel3 log file -- created 12/10/2009 12:00:01 AM\r\n\r\n\r\n"
              "[12:00:01 AM] early\r\n");
}

TEST_F(EventLogTest, DoLogOffStillAppendsToAnExistingFile) {
    files_.SetFile(kToday, "earlier\r\n");
    log_.SetDoLog(false);
    EXPECT_TRUE(log_.WriteLog("line"));
    EXPECT_EQ(Today(), "earlier\r\n[3:04:05 PM] line\r\n");
}

TEST_F(EventLogTest, DoLogOffDropsLinesUntilEntryLogCreatesTheFile) {
    log_.SetDoLog(false);
    EXPECT_FALSE(log_.WriteLog("dropped"));
    EXPECT_FALSE(files_.FileExists(kToday));
    EXPECT_TRUE(log_.EntryLog("dpr: start! : "));
    EXPECT_EQ(Today(), std::string(kHeader) + "[3:04:05 PM] dpr: start! : \r\n");
}

TEST_F(EventLogTest, EmptyTextsGiveABareStampOrAnEmptyLine) {
    log_.WriteLog("");
    log_.EntryLog("");
    EXPECT_EQ(Today(), std::string(kHeader) + "[3:04:05 PM] \r\n\r\n");
}

TEST_F(EventLogTest, RefusedWritesAreReportedToTheCaller) {
    files_.SetFile(kToday, "");
    files_.SetReadOnly(kToday, true);
    EXPECT_FALSE(log_.WriteLog("refused"));
    EXPECT_FALSE(log_.EntryLog("refused"));

    EventLog homeless(files_, clock_, "/nowhere/", "/prog/");
    EXPECT_FALSE(homeless.WriteLog("no folder"));
    EXPECT_FALSE(files_.DirectoryExists("/nowhere/Logs"));
}

TEST_F(EventLogTest, ControllerConsoleStartsWithItsTitleAndReplaysOnAttach) {
    log_.ConsoleLog("Settings Loaded.");
    EXPECT_EQ(log_.ControllerConsoleText(),
              "-- Ostrel Console Window --\r\n[3:04:05 PM] Settings Loaded.\r\n");
    RecordingConsole memo;
    log_.SetControllerConsole(&memo);
    log_.ConsoleLog("next");
    EXPECT_EQ(memo.lines,
              (std::vector<std::string>{"-- Ostrel Console Window --",
                                        "[3:04:05 PM] Settings Loaded.", "[3:04:05 PM] next"}));
}

TEST_F(EventLogTest, LockConsoleGetsLinesOnlyWhileAttached) {
    RecordingConsole lockMemo;
    log_.SetLockConsole(&lockMemo);
    log_.ConsoleLog("during");
    log_.SetLockConsole(nullptr);
    log_.ConsoleLog("after");
    EXPECT_EQ(lockMemo.lines, std::vector<std::string>{"[3:04:05 PM] during"});
}

TEST_F(EventLogTest, ControllerConsoleIsEmptiedBeforeItPassesTheLimit) {
    RecordingConsole memo;
    log_.SetControllerConsole(&memo);
    const std::string filler(998, 'x');
    std::string last;
    for (int i = 0; memo.clears == 0; ++i) {
        last = std::to_string(i) + filler;
        log_.ConsoleLog(last);
        ASSERT_LE(log_.ControllerConsoleText().size(), EventLog::kConsoleLimit);
    }
    EXPECT_EQ(log_.ControllerConsoleText(), "[3:04:05 PM] " + last + "\r\n");
    EXPECT_EQ(memo.lines, std::vector<std::string>{"[3:04:05 PM] " + last});
}

TEST_F(EventLogTest, TracesGoNowhereWithoutASwitch) {
    RecordingConsole lockMemo;
    log_.SetLockConsole(&lockMemo);
    EXPECT_FALSE(log_.DebugEnabled());
    log_.DebugLog("frmOstrel.timer1.onTimer");
    EXPECT_TRUE(lockMemo.lines.empty());
    EXPECT_FALSE(files_.FileExists(kToday));
    EXPECT_EQ(log_.ControllerConsoleText(), "-- Ostrel Console Window --\r\n");
}

TEST_F(EventLogTest, ShowDebugNeedsALockConsole) {
    log_.SetDebugSwitches(false, true);
    const std::string before = log_.ControllerConsoleText();
    log_.DebugLog("trace");
    EXPECT_EQ(log_.ControllerConsoleText(), before);

    RecordingConsole memo;
    RecordingConsole lockMemo;
    log_.SetControllerConsole(&memo);
    log_.SetLockConsole(&lockMemo);
    log_.DebugLog("trace");
    EXPECT_EQ(lockMemo.lines, std::vector<std::string>{"[3:04:05 PM] :trace"});
    EXPECT_EQ(memo.lines.back(), "[3:04:05 PM] :trace");
    EXPECT_EQ(log_.ControllerConsoleText(), before + "[3:04:05 PM] :trace\r\n");
    EXPECT_FALSE(files_.FileExists(kToday));
    EXPECT_FALSE(files_.FileExists("/prog/ostrel3_debug.txt"));
}

TEST_F(EventLogTest, SaveDebugLogsTracesAndCopiesTheConsole) {
    log_.SetDebugSwitches(true, false);
    log_.ConsoleLog("shown");
    log_.DebugLog("LUL:itemadd");
    EXPECT_EQ(Today(), std::string(kHeader) + "[3:04:05 PM] *LUL:itemadd\r\n");
    EXPECT_EQ(files_.ReadFile("/data/ostrel3_debug.txt"), log_.ControllerConsoleText());
    EXPECT_FALSE(files_.FileExists("/prog/ostrel3_debug.txt"));
}

TEST_F(EventLogTest, BothSwitchesKeepBothDebugFilesEqualToTheConsole) {
    RecordingConsole lockMemo;
    log_.SetLockConsole(&lockMemo);
    log_.SetDebugSwitches(true, true);
    log_.DebugLog("trace");
    const std::string console = log_.ControllerConsoleText();
    EXPECT_NE(console.find(":trace"), std::string::npos);
    EXPECT_EQ(files_.ReadFile("/data/ostrel3_debug.txt"), console);
    EXPECT_EQ(files_.ReadFile("/prog/ostrel3_debug.txt"), console);
}

class ThrowingConsole : public ConsoleSink {
public:
    void AppendLine(const std::string&) override { throw std::runtime_error("window gone"); }
};

TEST_F(EventLogTest, TracesSwallowConsoleErrors) {
    ThrowingConsole broken;
    log_.SetLockConsole(&broken);
    log_.SetDebugSwitches(false, true);
    EXPECT_NO_THROW(log_.DebugLog("trace"));
}

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() /
                    ("ostrel_event_log_" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

TEST(EventLogThreads, ConcurrentWritersKeepLinesWholeAndInOrder) {
    constexpr int kThreads = 4;
    constexpr int kLinesEach = 10000;
    TemporaryFolder folder;
    LinuxFileSystem files;
    FakeClock clock;
    EventLog log(files, clock, folder.Path(), folder.Path());

    std::atomic<int> refused = 0;
    std::vector<std::thread> writers;
    for (int thread = 0; thread < kThreads; ++thread) {
        writers.emplace_back([&log, &refused, thread] {
            const std::string filler(40, static_cast<char>('a' + thread));
            for (int sequence = 0; sequence < kLinesEach; ++sequence) {
                const std::string text = "thread " + std::to_string(thread) + " line " +
                                         std::to_string(sequence) + " " + filler;
                if (!log.WriteLog(text)) ++refused;
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    EXPECT_EQ(refused, 0);

    const std::string text = files.ReadFile(log.LogFolder() + "Dec-09-09.txt").value_or("");
    ASSERT_EQ(text.rfind(kHeader, 0), 0u);
    const std::vector<std::string> lines = Lines(text.substr(kHeader.size()));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLinesEach));

    const std::regex shape(R"(\[3:04:05 PM\] thread ([0-3]) line (\d+) ([a-d]{40}))");
    int next[kThreads] = {};
    for (const std::string& line : lines) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, shape)) << line;
        const int thread = std::stoi(match[1]);
        ASSERT_EQ(match[3], std::string(40, static_cast<char>('a' + thread))) << line;
        ASSERT_EQ(std::stoi(match[2]), next[thread]) << line;
        ++next[thread];
    }
}

}  // namespace
}  // namespace ostrel
