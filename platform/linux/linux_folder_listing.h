#pragma once

#include "platform/folder_listing.h"

namespace ostrel {

// Folder entries read with the standard library's directory iterator.
class LinuxFolderListing : public FolderListing {
public:
    std::optional<std::vector<std::string>> EntryNames(const std::string& folder) const override;
};

}  // namespace ostrel
