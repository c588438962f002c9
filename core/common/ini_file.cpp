#include "common/ini_file.h"

#include <charconv>
#include <limits>

namespace ostrel {

std::optional<int> ParseProfileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    long long magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (base == 16 && !negative && value > std::numeric_limits<int>::max() &&
        value <= std::numeric_limits<unsigned int>::max()) {
        // Hexadecimal up to 0xFFFFFFFF is a 32-bit pattern, as for registry DWORDs.
        return static_cast<int>(static_cast<unsigned int>(value));
    }
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

IniFile::IniFile(FileSystem& fileSystem, std::string path)
    : fileSystem_(fileSystem), path_(std::move(path)) {
    Reload();
}

void IniFile::Reload() {
    const std::optional<std::string> text = fileSystem_.ReadFile(path_);
    std::lock_guard lock(mutex_);
    document_ = text ? IniDocument::Parse(*text) : IniDocument();
}

std::optional<std::string> IniFile::ReadValue(std::string_view section, std::string_view key) const {
    std::lock_guard lock(mutex_);
    return document_.Value(section, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return ReadValue(section, key).value_or(std::string(defaultValue));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> text = ReadValue(section, key);
    if (!text) return defaultValue;
    return ParseProfileInteger(*text).value_or(defaultValue);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string IniFile::ReadMultiLine(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
    std::lock_guard lock(mutex_);
    return document_.MultiLineValue(section, key).value_or(std::string(defaultValue));
}

std::vector<std::string> IniFile::ReadSections() const {
    std::lock_guard lock(mutex_);
    return document_.Sections();
}

std::vector<std::string> IniFile::ReadKeys(std::string_view section) const {
    std::lock_guard lock(mutex_);
    return document_.Keys(section);
}

bool IniFile::SectionExists(std::string_view section) const {
    std::lock_guard lock(mutex_);
    return document_.HasSection(section);
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return Update([&](IniDocument& document) { document.SetValue(section, key, value); });
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

bool IniFile::DeleteKey(std::string_view section, std::string_view key) {
    return Update([&](IniDocument& document) { document.DeleteKey(section, key); });
}

bool IniFile::EraseSection(std::string_view section) {
    return Update([&](IniDocument& document) { document.DeleteSection(section); });
}

bool IniFile::Update(const std::function<void(IniDocument&)>& change) {
    std::lock_guard lock(mutex_);
    change(document_);
    return Store();
}

IniDocument IniFile::Snapshot() const {
    std::lock_guard lock(mutex_);
    return document_;
}

bool IniFile::Store() { return fileSystem_.WriteFileAtomic(path_, document_.Serialize()); }

}  // namespace ostrel
