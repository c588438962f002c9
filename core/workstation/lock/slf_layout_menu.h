#pragma once

#include <string>
#include <vector>

#include "common/event_log.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"

namespace ostrel {

// The title a layout file shows in the Layouts menu. For a path containing ".INI" or ".SLF"
// (letter case ignored) the `Title` of its section [Layout]; for ".HTM" or ".PHP" the text
// between the first "<title>" and the next "</title>" (or, without "<title>", the upper-case
// markers; without a closing marker, the rest of the file). "Untitled" otherwise.
std::string LayoutTitle(const FileSystem& fileSystem, const std::string& path);

// One item of the Layouts menu: a layout (its title, its path as the hint) or a separator.
struct LayoutMenuEntry {
    std::string caption;
    std::string path;
    bool separator = false;

    friend bool operator==(const LayoutMenuEntry&, const LayoutMenuEntry&) = default;
};

// The Layouts menu: the *.ini and then *.slf files of "layouts/slf/" in the program folder, a
// separator, then the *.htm, *.html and *.php files of "layouts/html/" whose names have no "~".
// Names are matched without regard to letter case and listed in name order within a pattern.
// A missing folder is reported once ("Layouts directory not found (normal)." or "(html).") and
// lists nothing; a folder that cannot be read is reported with "Error occurred by trying to
// change directory".
std::vector<LayoutMenuEntry> LayoutMenuEntries(const std::string& programFolder,
                                               const FileSystem& fileSystem,
                                               const FolderListing& folders, Dialogs& dialogs,
                                               EventLog& log);

}  // namespace ostrel
