#include "linux/linux_folder_listing.h"

#include <filesystem>
#include <system_error>

namespace ostrel {

std::optional<std::vector<std::string>> LinuxFolderListing::EntryNames(
    const std::string& folder) const {
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    while (entry != std::filesystem::directory_iterator()) {
        names.push_back(entry->path().filename().string());
        entry.increment(error);
        if (error) return std::nullopt;
    }
    return names;
}

}  // namespace ostrel
