#include "workstation/admin/process_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/fake_process_snapshot.h"

namespace ostrel {
namespace {

class RecordingConsole : public ConsoleSink {
public:
    void AppendLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

class ProcessListTest : public ::testing::Test {
protected:
    ProcessListTest() {
        files_.AddDirectories("/data");
        snapshot_.processes = {
            {4, 0, 1, "System", ""},
            {812, 4, 2, "Notepad.exe", "/apps/Notepad.exe"},
            {900, 4, 1, "notepad.exe", "/apps/notepad.exe"},
            {1200, 4, 9, "explorer.exe", "/apps/explorer.exe"},
        };
        list_.Refresh(snapshot_);
    }

    // Debug traces reach the lock console as "[time] :text".
    std::vector<std::string> Traces() {
        std::vector<std::string> traces;
        for (const std::string& line : console_.lines) {
            traces.push_back(line.substr(line.find("] :") + 3));
        }
        return traces;
    }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/data/"};
    RecordingConsole console_;
    FakeProcessSnapshot snapshot_;
    TProcessList list_;
};

TEST_F(ProcessListTest, FindProcessIdGivesTheFirstMatchOrZero) {
    const std::pair<std::string, std::string> cases[] = {
        {"notepad.exe", "812"},  // two copies: the one listed first; case of the listing ignored
        {"NOTEPAD.EXE", "812"},  // a caller's capitals do not hide it
        {"explorer.exe", "1200"}, {"system", "4"},      {"notepad", "0"},  // whole names only
        {"notepad.exe ", "0"},    {"xplorer.exe", "0"}, {"", "0"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(FindProcessId(list_, name, log_), expected) << name;
    }
    EXPECT_EQ(FindProcessId(TProcessList(), "system", log_), "0");
}

TEST_F(ProcessListTest, FindProcessIdTracesEachComparedRowUpToTheMatch) {
    log_.SetDebugSwitches(false, true);
    log_.SetLockConsole(&console_);
    FindProcessId(list_, "notepad.exe", log_);
    EXPECT_EQ(Traces(),
              (std::vector<std::string>{"System <> notepad.exe", "Notepad.exe <> notepad.exe"}));
    console_.lines.clear();
    FindProcessId(list_, "calc.exe", log_);
    EXPECT_EQ(Traces().size(), 4u);
    EXPECT_EQ(Traces().back(), "explorer.exe <> calc.exe");
}

TEST_F(ProcessListTest, NamesTextEndsEachExecutableWithCarriageReturn) {
    EXPECT_EQ(ProcessNamesText(list_), "System\rNotepad.exe\rnotepad.exe\rexplorer.exe\r");
    EXPECT_EQ(ProcessNamesText(TProcessList()), "");
}

TEST_F(ProcessListTest, RefreshReplacesTheListInSnapshotOrder) {
    snapshot_.processes = {{77, 1, 1, "b", "/x/b"}, {3, 1, 1, "a", "/x/a"}};
    list_.Refresh(snapshot_);
    ASSERT_EQ(list_.Items().size(), 2u);
    EXPECT_EQ(list_.Items()[0].processId, 77u);
    EXPECT_EQ(list_.Items()[0].executable, "b");
    EXPECT_EQ(list_.Items()[0].folder, "");
    EXPECT_EQ(list_.Items()[1].executable, "a");

    snapshot_.processes.clear();  // a failed snapshot
    list_.Refresh(snapshot_);
    EXPECT_TRUE(list_.Items().empty());
}

TEST_F(ProcessListTest, RefreshCutsLongNamesAtACharacterBoundary) {
    const std::string fits(TProcessList::kMaxExecutableLength, 'a');
    const std::string straddles =
        std::string(TProcessList::kMaxExecutableLength - 1, 'b') + "\xC3\xA9";
    snapshot_.processes = {{1, 0, 1, fits + "z", ""}, {2, 0, 1, straddles, ""}};
    list_.Refresh(snapshot_);
    EXPECT_EQ(list_.Items()[0].executable, fits);
    EXPECT_EQ(list_.Items()[1].executable, straddles.substr(0, straddles.size() - 2));
}

}  // namespace
}  // namespace ostrel
