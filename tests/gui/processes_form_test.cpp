#include "workstation/admin/processes_form.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>
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

class ProcessesFormTest : public ::testing::Test {
protected:
    ProcessesFormTest() {
        files_.AddDirectories("/data");
        snapshot_.processes = {{4, 0, 1, "init", ""}, {812, 4, 2, "Notepad.exe", ""}};
    }

    std::vector<QStringList> Rows(const TfrmProcesses& form) const {
        const auto* view = form.findChild<QTreeWidget*>("ListView1");
        std::vector<QStringList> rows;
        for (int i = 0; i < view->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = view->topLevelItem(i);
            rows.push_back({item->text(0), item->text(1), item->text(2)});
        }
        return rows;
    }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/data/"};
    FakeProcessSnapshot snapshot_;
};

TEST_F(ProcessesFormTest, CreationAndRefreshButtonMirrorTheSnapshotInTheListView) {
    TfrmProcesses form(snapshot_, log_);
    EXPECT_EQ(form.windowTitle(), "Processes");
    EXPECT_FALSE(form.isVisible());
    const auto* header = form.findChild<QTreeWidget*>("ListView1")->headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2)}),
              QStringList({"PID", "Executable", "In Folder"}));
    EXPECT_EQ(Rows(form),
              (std::vector<QStringList>{{"4", "init", ""}, {"812", "Notepad.exe", ""}}));

    snapshot_.processes = {{77, 1, 1, "calc.exe", ""}};
    EXPECT_EQ(form.FindProcessId("calc.exe"), "0");  // only a refresh brings new processes in
    QTest::mouseClick(form.findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    EXPECT_EQ(Rows(form), (std::vector<QStringList>{{"77", "calc.exe", ""}}));
    EXPECT_EQ(form.FindProcessId("calc.exe"), "77");
}

TEST_F(ProcessesFormTest, NamesTextTakesAFreshSnapshot) {
    TfrmProcesses form(snapshot_, log_);
    snapshot_.processes.push_back({900, 4, 1, "xscreensaver", ""});
    EXPECT_EQ(form.ProcessNamesText(), "init\rNotepad.exe\rxscreensaver\r");
    EXPECT_EQ(Rows(form).size(), 3u);
}

TEST_F(ProcessesFormTest, DestructionIsTraced) {
    RecordingConsole console;
    log_.SetDebugSwitches(false, true);
    log_.SetLockConsole(&console);
    std::make_unique<TfrmProcesses>(snapshot_, log_).reset();
    ASSERT_FALSE(console.lines.empty());
    EXPECT_TRUE(console.lines.back().ends_with(":clearing prcList in FormDestroy"));
}

}  // namespace
}  // namespace ostrel
