#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ostrel {

// Lists what a folder holds.
class FolderListing {
public:
    virtual ~FolderListing() = default;
    // The names (without folder) of the entries of the folder, files and folders alike, without
    // "." and ".."; nothing when the folder cannot be entered.
    virtual std::optional<std::vector<std::string>> EntryNames(const std::string& folder) const = 0;
};

}  // namespace ostrel
