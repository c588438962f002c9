#pragma once

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ini_document.h"
#include "platform/file_system.h"

namespace ostrel {

// A profile file: an IniDocument bound to a path. Every change reaches the disk before the call
// returns, through an atomic replace, so the file is always either the old or the new version.
// Safe to use from several threads.
class IniFile {
public:
    IniFile(FileSystem& fileSystem, std::string path);

    const std::string& Path() const { return path_; }
    // Reads the file again; a missing or unreadable file is an empty document.
    void Reload();

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "0x" or "$"; anything else gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer as above; any value other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Every line of a multi-line value, joined by CR LF.
    std::string ReadMultiLine(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const;
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;

    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadKeys(std::string_view section) const;
    bool SectionExists(std::string_view section) const;

    // Each write is one atomic replace of the file; false when the disk refused it (the change
    // stays in memory and goes out with the next successful write).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool EraseSection(std::string_view section);
    // Several changes as one atomic replace.
    bool Update(const std::function<void(IniDocument&)>& change);

    IniDocument Snapshot() const;

private:
    bool Store();  // requires mutex_

    FileSystem& fileSystem_;
    std::string path_;
    mutable std::mutex mutex_;
    IniDocument document_;
};

// Integer text as profile files hold it: optional sign, decimal digits, or hexadecimal after
// "0x" or "$". Nothing for anything else, including values outside int.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace ostrel
