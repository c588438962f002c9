#include "common/ini_document.h"

#include <algorithm>
#include <utility>

namespace ostrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Upper(x) == Upper(y); });
}

// The key of a "key=value" line, or empty for headers, comments, blank and other lines.
std::string KeyOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#' || trimmed.front() == '[') {
        return {};
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) return {};
    return std::string(Trim(trimmed.substr(0, equals)));
}

std::string DecodeValue(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, IniDocument::kMaxValueLength));
}

// Quotes a value that the reader would otherwise change: surrounding blanks, or quotes at both ends.
std::string EncodeValue(std::string_view value) {
    const bool blanksAround = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quotedAlready = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (blanksAround || quotedAlready) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::vector<std::string_view> ValueLines(std::string_view value) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            lines.push_back(value.substr(start, i - start));
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    lines.push_back(value.substr(start));
    return lines;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        document.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<Line>* target = &document.preamble_;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        start = end + 1;

        const std::string_view trimmed = Trim(raw);
        if (!trimmed.empty() && trimmed.front() == '[') {
            const auto close = trimmed.find(']');
            const std::string_view name =
                trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            document.sections_.push_back({std::string(Trim(name)), std::string(raw), {}});
            target = &document.sections_.back().lines;
            continue;
        }
        target->push_back({std::string(raw), KeyOf(raw)});
    }
    return document;
}

std::string IniDocument::Serialize() const {
    std::string text(byteOrderMark_ ? kByteOrderMark : std::string_view());
    const auto append = [&text](const std::string& line) {
        text += line;
        text += "\r\n";
    };
    for (const Line& line : preamble_) append(line.text);
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.lines) append(line.text);
    }
    return text;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        const bool seen = std::any_of(names.begin(), names.end(),
                                      [&](const std::string& n) { return SameName(n, section.name); });
        if (!seen) names.push_back(section.name);
    }
    return names;
}

bool IniDocument::HasSection(std::string_view section) const { return Find(section) != nullptr; }

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = Find(section)) {
        for (const Line& line : found->lines) {
            if (line.key.empty()) continue;
            const bool seen = std::any_of(keys.begin(), keys.end(),
                                          [&](const std::string& k) { return SameName(k, line.key); });
            if (!seen) keys.push_back(line.key);
        }
    }
    return keys;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    if (const Section* found = Find(section)) {
        for (const Line& line : found->lines) {
            if (!line.key.empty() && SameName(line.key, key)) return DecodeValue(line.text);
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::MultiLineValue(std::string_view section,
                                                       std::string_view key) const {
    std::optional<std::string> value;
    if (const Section* found = Find(section)) {
        for (const Line& line : found->lines) {
            if (line.key.empty() || !SameName(line.key, key)) continue;
            if (value) {
                *value += "\r\n";
                *value += DecodeValue(line.text);
            } else {
                value = DecodeValue(line.text);
            }
        }
    }
    return value;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    std::vector<Line> replacement;
    for (std::string_view line : ValueLines(value)) {
        replacement.push_back({std::string(key) + "=" + EncodeValue(line), std::string(key)});
    }

    Section* target = Find(section);
    if (target == nullptr) {
        const bool separate = !sections_.empty() || !preamble_.empty();
        if (separate) {
            std::vector<Line>& last = sections_.empty() ? preamble_ : sections_.back().lines;
            if (last.empty() || !Trim(last.back().text).empty()) last.push_back({});
        }
        sections_.push_back({std::string(section), "[" + std::string(section) + "]", {}});
        target = &sections_.back();
    }

    std::vector<Line>& lines = target->lines;
    const auto isKey = [&](const Line& line) { return !line.key.empty() && SameName(line.key, key); };
    auto first = std::find_if(lines.begin(), lines.end(), isKey);
    std::size_t at = 0;
    if (first != lines.end()) {
        at = static_cast<std::size_t>(first - lines.begin());
        lines.erase(std::remove_if(first, lines.end(), isKey), lines.end());
    } else {
        const auto lastKey = std::find_if(lines.rbegin(), lines.rend(),
                                          [](const Line& line) { return !line.key.empty(); });
        at = static_cast<std::size_t>(lines.rend() - lastKey);
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), replacement.begin(), replacement.end());
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    Section* target = Find(section);
    if (target == nullptr) return false;
    std::vector<Line>& lines = target->lines;
    const auto removed = std::remove_if(lines.begin(), lines.end(), [&](const Line& line) {
        return !line.key.empty() && SameName(line.key, key);
    });
    const bool any = removed != lines.end();
    lines.erase(removed, lines.end());
    return any;
}

bool IniDocument::DeleteSection(std::string_view section) {
    const auto before = sections_.size();
    sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                   [&](const Section& s) { return SameName(s.name, section); }),
                    sections_.end());
    return sections_.size() != before;
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return SameName(s.name, section); });
    return found == sections_.end() ? nullptr : &*found;
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
    return const_cast<Section*>(std::as_const(*this).Find(section));
}

}  // namespace ostrel
