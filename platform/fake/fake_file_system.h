#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace ostrel {

// Files in memory. Folders must be created before files go into them, as on disk; paths are
// taken literally. A path can be made read-only to see how callers handle refused writes.
class FakeFileSystem : public FileSystem {
public:
    FakeFileSystem();

    std::optional<std::string> ReadFile(const std::string& path) const override;
    bool WriteFileAtomic(const std::string& path, const std::string& content) override;
    bool AppendToFile(const std::string& path, const std::string& content) override;
    bool CreateFile(const std::string& path, const std::string& content) override;
    bool CreateNewFile(const std::string& path, const std::string& content) override;
    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    bool CreateDirectory(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;

    // Creates the folder and every parent.
    void AddDirectories(const std::string& path);
    void SetFile(const std::string& path, const std::string& content);
    void SetReadOnly(const std::string& path, bool readOnly);
    int WriteCount(const std::string& path) const;

private:
    bool ParentExists(const std::string& path) const;
    bool Writable(const std::string& path) const;

    mutable std::mutex mutex_;
    std::map<std::string, std::string> files_;
    std::set<std::string> directories_;
    std::set<std::string> readOnly_;
    std::map<std::string, int> writes_;
};

}  // namespace ostrel
