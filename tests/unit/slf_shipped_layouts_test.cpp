// The layouts that ship in data/layouts must load without a message and name their controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fake/fake_clock.h"
#include "fake/recording_dialogs.h"
#include "linux/linux_file_system.h"
#include "linux/linux_folder_listing.h"
#include "workstation/lock/slf_layout.h"
#include "workstation/lock/slf_layout_menu.h"

namespace ostrel {
namespace {

const std::string kDataFolder = OSTREL_DATA_FOLDER;

bool Has(const SlfLayout& layout, SlfControlKind kind) {
    return std::any_of(layout.controls.begin(), layout.controls.end(),
                       [kind](const SlfControl& control) { return control.kind == kind; });
}

struct ShippedCase {
    const char* file;
    const char* title;
    bool userNameBox;
};

const ShippedCase kShipped[] = {
    {"midnight.slf", "Midnight", false},
    {"daylight.slf", "Daylight", true},
};

TEST(SlfShippedLayoutsTest, LoadCleanlyWithTheirPicturesAndCredentials) {
    LinuxFileSystem files;
    for (const ShippedCase& c : kShipped) {
        SCOPED_TRACE(c.file);
        const std::string path = kDataFolder + "layouts/slf/" + c.file;
        const auto text = files.ReadFile(path);
        ASSERT_TRUE(text);
        const SlfLayout layout = ParseSlfLayout(*text, {kDataFolder, "away"}, files);
        EXPECT_EQ(layout.error, std::nullopt);
        EXPECT_EQ(LayoutTitle(files, path), c.title);
        EXPECT_TRUE(Has(layout, SlfControlKind::kPasswordBox));
        EXPECT_TRUE(Has(layout, SlfControlKind::kFlatOkButton));
        EXPECT_EQ(Has(layout, SlfControlKind::kUserNameBox), c.userNameBox);
        for (const SlfControl& control : layout.controls) {
            if (control.kind == SlfControlKind::kPicture) {
                EXPECT_TRUE(files.FileExists(control.fileName)) << control.fileName;
            }
        }
    }
}

TEST(SlfShippedLayoutsTest, LayoutsMenuListsEveryShippedLayout) {
    LinuxFileSystem files;
    LinuxFolderListing folders;
    FakeClock clock;
    EventLog log(files, clock, "/nonexistent/", "/nonexistent/");
    RecordingDialogs dialogs;
    const auto entries = LayoutMenuEntries(kDataFolder, files, folders, dialogs, log);
    std::vector<std::string> captions;
    for (const LayoutMenuEntry& entry : entries) captions.push_back(entry.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Daylight", "Midnight", "", "Blue Generic"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace ostrel
