#include "workstation/messages/away_presets.h"

#include <algorithm>

#include "common/text_helpers.h"

namespace ostrel {

std::string_view PresetName(std::string_view entry) {
    const std::size_t at = entry.find('=');
    return at == std::string_view::npos ? std::string_view() : entry.substr(0, at);
}

std::string_view PresetText(std::string_view entry) {
    const std::size_t at = entry.find('=');
    return at == std::string_view::npos ? std::string_view() : entry.substr(at + 1);
}

namespace {

std::string Entry(std::string_view name, std::string_view text) {
    std::string entry(name);
    entry += '=';
    entry += text;
    return entry;
}

// Matches an entry by its name, ignoring case.
auto NamedAs(std::string_view name) {
    return [name](const std::string& entry) { return SameText(PresetName(entry), name); };
}

}  // namespace

void AwayPresets::Load(std::string_view stored) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < stored.size()) {
        std::size_t end = stored.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = stored.size();
        entries.emplace_back(stored.substr(start, end - start));
        // CR LF is one break; a lone CR or LF is one too.
        if (end < stored.size() && stored[end] == '\r' && end + 1 < stored.size() &&
            stored[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    std::lock_guard lock(mutex_);
    entries_ = std::move(entries);
}

std::string AwayPresets::StoredForm() const {
    std::lock_guard lock(mutex_);
    std::string stored;
    for (const std::string& entry : entries_) stored += entry + "\r\n";
    return stored;
}

std::vector<std::string> AwayPresets::Names() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> names;
    for (const std::string& entry : entries_) names.emplace_back(PresetName(entry));
    return names;
}

int AwayPresets::Count() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(entries_.size());
}

std::optional<std::string> AwayPresets::TextOf(std::string_view name) const {
    std::lock_guard lock(mutex_);
    const auto found = std::ranges::find_if(entries_, NamedAs(name));
    if (found == entries_.end()) return std::nullopt;
    return std::string(PresetText(*found));
}

void AwayPresets::Add(std::string_view name, std::string_view text) {
    std::lock_guard lock(mutex_);
    entries_.push_back(Entry(name, text));
}

void AwayPresets::Store(std::string_view name, std::string_view text) {
    std::lock_guard lock(mutex_);
    const auto found = std::ranges::find_if(entries_, NamedAs(name));
    if (text.empty()) {
        if (found != entries_.end()) entries_.erase(found);
    } else if (found != entries_.end()) {
        *found = Entry(name, text);
    } else {
        entries_.push_back(Entry(name, text));
    }
}

bool AwayPresets::Remove(std::string_view name) {
    std::lock_guard lock(mutex_);
    const auto found = std::ranges::find_if(entries_, NamedAs(name));
    if (found == entries_.end()) return false;
    entries_.erase(found);
    return true;
}

bool AwayPresets::RemoveAt(int index) {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(entries_.size())) return false;
    entries_.erase(entries_.begin() + index);
    return true;
}

}  // namespace ostrel
