#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/folder_listing.h"

namespace ostrel {

// Folders given by the test, each with its entry names; any other folder cannot be entered.
class FakeFolderListing : public FolderListing {
public:
    std::optional<std::vector<std::string>> EntryNames(const std::string& folder) const override {
        const auto found = folders.find(folder);
        if (found == folders.end()) return std::nullopt;
        return found->second;
    }

    std::map<std::string, std::vector<std::string>> folders;
};

}  // namespace ostrel
