#pragma once

#include <optional>
#include <string>

namespace ostrel {

// Files as the core sees them. Paths use "/" and are absolute or relative to the working folder.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;
    // Replaces the file so that a reader, or a crash at any moment, sees either the old or the
    // new content in full: write a temporary file beside it, flush it to disk, rename it.
    virtual bool WriteFileAtomic(const std::string& path, const std::string& content) = 0;
    // Appends to an existing file; false (and nothing written) when the file does not exist.
    virtual bool AppendToFile(const std::string& path, const std::string& content) = 0;
    // Creates the file (truncating one that exists) with this content.
    virtual bool CreateFile(const std::string& path, const std::string& content) = 0;
    // Creates the file with this content only when it does not exist yet; it appears with its
    // content in full, so another writer never sees it half made. False when it existed.
    virtual bool CreateNewFile(const std::string& path, const std::string& content) = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool DirectoryExists(const std::string& path) const = 0;
    // Creates one folder level; its parent must exist. True when the folder exists afterwards.
    virtual bool CreateDirectory(const std::string& path) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
};

}  // namespace ostrel
