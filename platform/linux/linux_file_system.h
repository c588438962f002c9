#pragma once

#include "platform/file_system.h"

namespace ostrel {

// Files through POSIX calls. Atomic writes go through a temporary file in the same folder that is
// fsync'ed, renamed over the target, and followed by an fsync of the folder.
class LinuxFileSystem : public FileSystem {
public:
    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFileAtomic(const std::string& path, const std::string& content) override;
    bool AppendToFile(const std::string& path, const std::string& content) override;
    bool CreateFile(const std::string& path, const std::string& content) override;
    bool CreateNewFile(const std::string& path, const std::string& content) override;
    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    bool CreateDirectory(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
};

}  // namespace ostrel
