#include "workstation/lock/slf_layout_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_clock.h"
#include "fake/fake_file_system.h"
#include "fake/fake_folder_listing.h"
#include "fake/recording_dialogs.h"

namespace ostrel {
namespace {

struct TitleCase {
    const char* name;
    const char* path;
    const char* content;  // nullptr: no such file
    const char* title;
};

const TitleCase kTitles[] = {
    {"SlfTitle", "/l/a.slf", "[Layout]\r\nTitle=Night Sky\r\n[LABEL1]\r\n", "Night Sky"},
    {"IniTitleKeyWithoutCase", "/l/a.INI", "[LAYOUT]\r\ntitle = \"Quoted \"\r\n", "Quoted "},
    {"SlfWithoutTitle", "/l/a.slf", "[LABEL1]\r\n", "Untitled"},
    {"SlfEmptyTitle", "/l/a.slf", "[Layout]\r\nTitle=\r\n", ""},
    {"HtmlLowerCase", "/l/a.html", "<html><title>Blue</title><TITLE>x</TITLE>", "Blue"},
    {"HtmlUpperCase", "/l/b.HTM", "<HTML><TITLE>Loud</TITLE></HTML>", "Loud"},
    {"HtmlMixedCase", "/l/c.htm", "<html><Title>Mixed</Title></html>", "Untitled"},
    {"HtmlWithoutClosing", "/l/d.htm", "<title>Open end\r\n</body>", "Open end\r\n</body>"},
    {"HtmlWithoutTitle", "/l/e.htm", "<html><body>x</body></html>", "Untitled"},
    {"Php", "/l/f.php", "<?php ?><title>Script</title>", "Script"},
    {"OtherExtension", "/l/g.txt", "<title>Text</title>", "Untitled"},
    {"MissingSlf", "/l/none.slf", nullptr, "Untitled"},
    {"MissingHtml", "/l/none.html", nullptr, "Untitled"},
    // The tests look at the whole path: an ".htm" folder makes any file an HTML layout.
    {"FolderNameCounts", "/l/x.htm/notes", "<title>Folder</title>", "Folder"},
};

TEST(LayoutTitleTest, TitlesOfLayoutFiles) {
    for (const TitleCase& c : kTitles) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        if (c.content) files.SetFile(c.path, c.content);
        EXPECT_EQ(LayoutTitle(files, c.path), c.title);
    }
}

class LayoutMenuTest : public testing::Test {
protected:
    static constexpr const char* kSlf = "/prog/layouts/slf/";
    static constexpr const char* kHtml = "/prog/layouts/html/";

    void AddLayout(const std::string& folder, const std::string& name, const std::string& content) {
        files_.SetFile(folder + name, content);
        folders_.folders[folder].push_back(name);
    }

    std::vector<LayoutMenuEntry> Entries() {
        return LayoutMenuEntries("/prog/", files_, folders_, dialogs_, log_);
    }

    static MessageBoxRequest NotFound(const char* which) {
        return {std::string("Layouts directory not found (") + which + ").", "Error",
                MessageIcon::kError, MessageButtons::kOk, true};
    }

    static LayoutMenuEntry Separator() { return {"", "", true}; }

    FakeFileSystem files_;
    FakeClock clock_;
    EventLog log_{files_, clock_, "/data/", "/prog/"};
    FakeFolderListing folders_;
    RecordingDialogs dialogs_;
};

TEST_F(LayoutMenuTest, SlfThenHtmlLayoutsEachPatternInNameOrder) {
    AddLayout(kSlf, "zeta.slf", "[Layout]\nTitle=Zeta\n");
    AddLayout(kSlf, "Beta.INI", "[Layout]\nTitle=Beta\n");
    AddLayout(kSlf, "alpha.SLF", "[Layout]\nTitle=Alpha\n");
    AddLayout(kSlf, "readme.txt", "");
    AddLayout(kSlf, "notes.ini.bak", "");
    files_.AddDirectories(std::string(kSlf) + "folder.slf");
    folders_.folders[kSlf].push_back("folder.slf");
    AddLayout(kHtml, "page.php", "<title>Php</title>");
    AddLayout(kHtml, "blue.html", "<title>Blue</title>");
    AddLayout(kHtml, "~blue.html", "<title>Copy</title>");
    AddLayout(kHtml, "old.HTM", "<TITLE>Old</TITLE>");
    AddLayout(kHtml, "x.htmls", "<title>No</title>");

    EXPECT_EQ(Entries(), (std::vector<LayoutMenuEntry>{
                             {"Beta", "/prog/layouts/slf/Beta.INI", false},
                             {"Alpha", "/prog/layouts/slf/alpha.SLF", false},
                             {"Zeta", "/prog/layouts/slf/zeta.slf", false},
                             Separator(),
                             {"Blue", "/prog/layouts/html/blue.html", false},
                             {"Old", "/prog/layouts/html/old.HTM", false},
                             {"Php", "/prog/layouts/html/page.php", false},
                         }));
    EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(LayoutMenuTest, MissingFoldersAreReportedAndTheOtherFolderStillListed) {
    AddLayout(kHtml, "blue.html", "<title>Blue</title>");
    EXPECT_EQ(Entries(), (std::vector<LayoutMenuEntry>{
                             Separator(), {"Blue", "/prog/layouts/html/blue.html", false}}));
    EXPECT_EQ(dialogs_.boxes, std::vector<MessageBoxRequest>{NotFound("normal")});
}

TEST_F(LayoutMenuTest, WithoutFoldersOnlyTheSeparatorRemains) {
    EXPECT_EQ(Entries(), std::vector<LayoutMenuEntry>{Separator()});
    EXPECT_EQ(dialogs_.boxes,
              (std::vector<MessageBoxRequest>{NotFound("normal"), NotFound("html")}));
}

TEST_F(LayoutMenuTest, FolderThatCannotBeListedIsReported) {
    files_.AddDirectories(kSlf);
    files_.AddDirectories(kHtml);
    folders_.folders[kHtml] = {};
    EXPECT_EQ(Entries(), std::vector<LayoutMenuEntry>{Separator()});
    const MessageBoxRequest warning{"Error occurred by trying to change directory", "",
                                    MessageIcon::kWarning, MessageButtons::kOk, true};
    EXPECT_EQ(dialogs_.boxes, std::vector<MessageBoxRequest>{warning});
}

}  // namespace
}  // namespace ostrel
