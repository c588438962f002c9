#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// The process-wide away-message presets: an ordered list of "name=text" lines. The name is what
// comes before the first "=" (empty when there is none), the text what follows it. Names need not
// be unique; a lookup finds the first entry whose name matches, ignoring letter case. Safe to use
// from any thread (the settings save reads the stored form).
class AwayPresets {
public:
    // Replaces the list with the lines of the stored form (CR LF, LF or CR between lines).
    void Load(std::string_view stored);
    // The entries in order, each followed by CR LF.
    std::string StoredForm() const;

    std::vector<std::string> Names() const;
    int Count() const;
    // The text of the first entry with that name, ignoring case.
    std::optional<std::string> TextOf(std::string_view name) const;

    // Appends name=text.
    void Add(std::string_view name, std::string_view text);
    // Keeps the text under the name: an empty text removes the first entry of that name;
    // otherwise the first entry of that name becomes name=text, or a new entry is appended.
    void Store(std::string_view name, std::string_view text);
    // Removes the first entry with that name; false when there is none.
    bool Remove(std::string_view name);
    // Removes the entry at that position; false when there is none.
    bool RemoveAt(int index);

private:
    mutable std::mutex mutex_;
    std::vector<std::string> entries_;
};

// The name part of a "name=text" entry, and its text part.
std::string_view PresetName(std::string_view entry);
std::string_view PresetText(std::string_view entry);

}  // namespace ostrel
