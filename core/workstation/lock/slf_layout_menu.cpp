#include "workstation/lock/slf_layout_menu.h"

#include <algorithm>

#include "common/ini_document.h"
#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr std::string_view kUntitled = "Untitled";

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::string HtmlTitle(const std::string& page) {
    using Markers = std::pair<std::string_view, std::string_view>;
    for (const auto& [open, close] :
         {Markers{"<title>", "</title>"}, Markers{"<TITLE>", "</TITLE>"}}) {
        if (Contains(page, open)) return TextBetween(page, open, close);
    }
    return std::string(kUntitled);
}

// A file-name pattern "*" + extension, where `oneMore` allows one further character at the end
// (as "*.htm?" takes ".htm" and ".html").
struct Pattern {
    std::string_view extension;  // upper case
    bool oneMore = false;
};

bool Matches(std::string_view upperName, const Pattern& pattern) {
    const auto at = upperName.rfind(pattern.extension);
    if (at == std::string_view::npos) return false;
    const std::size_t rest = upperName.size() - at - pattern.extension.size();
    return rest == 0 || (pattern.oneMore && rest == 1);
}

struct LayoutFolder {
    std::string_view subFolder;
    std::string_view missingMessage;
    std::vector<Pattern> patterns;
    bool skipTilde = false;
};

void ListFolder(const LayoutFolder& folder, const std::string& programFolder,
                const FileSystem& fileSystem, const FolderListing& folders, Dialogs& dialogs,
                std::vector<LayoutMenuEntry>& entries) {
    const std::string path = programFolder + std::string(folder.subFolder);
    if (!fileSystem.DirectoryExists(path)) {
        dialogs.ShowMessageBox({std::string(folder.missingMessage), "Error", MessageIcon::kError,
                                MessageButtons::kOk, true});
        return;
    }
    auto names = folders.EntryNames(path);
    if (!names) {
        dialogs.ShowMessageBox({"Error occurred by trying to change directory", "",
                                MessageIcon::kWarning, MessageButtons::kOk, true});
        return;
    }
    std::sort(names->begin(), names->end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    for (const Pattern& pattern : folder.patterns) {
        for (const std::string& name : *names) {
            if (!Matches(UpperCase(name), pattern)) continue;
            if (folder.skipTilde && Contains(name, "~")) continue;
            const std::string file = path + name;
            if (!fileSystem.FileExists(file)) continue;
            entries.push_back({LayoutTitle(fileSystem, file), file});
        }
    }
}

}  // namespace

std::string LayoutTitle(const FileSystem& fileSystem, const std::string& path) {
    const std::string upperPath = UpperCase(path);
    std::string title(kUntitled);
    if (Contains(upperPath, ".INI") || Contains(upperPath, ".SLF")) {
        const auto text = fileSystem.ReadFile(path);
        if (text) title = IniDocument::Parse(*text).Value("Layout", "Title").value_or(title);
    }
    if (Contains(upperPath, ".HTM") || Contains(upperPath, ".PHP")) {
        const auto text = fileSystem.ReadFile(path);
        title = text ? HtmlTitle(*text) : std::string(kUntitled);
    }
    return title;
}

std::vector<LayoutMenuEntry> LayoutMenuEntries(const std::string& programFolder,
                                               const FileSystem& fileSystem,
                                               const FolderListing& folders, Dialogs& dialogs,
                                               EventLog& log) {
    log.DebugLog("LayoutsIntoMenu");
    const LayoutFolder slf{
        "layouts/slf/", "Layouts directory not found (normal).", {{".INI"}, {".SLF"}}};
    const LayoutFolder html{
        "layouts/html/", "Layouts directory not found (html).", {{".HTM", true}, {".PHP"}}, true};
    std::vector<LayoutMenuEntry> entries;
    ListFolder(slf, programFolder, fileSystem, folders, dialogs, entries);
    entries.push_back({"", "", true});
    ListFolder(html, programFolder, fileSystem, folders, dialogs, entries);
    return entries;
}

}  // namespace ostrel
