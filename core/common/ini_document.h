#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// An INI text held in memory. Reading follows the profile rules: section and key names compared
// without regard to case, blanks around names and values dropped, a value in double quotes loses
// them, values cut at 2047 characters, the first of several equal keys wins. Writing keeps every
// line it does not change (comments, unknown sections and keys, their order).
//
// A value with line breaks is stored as the same key repeated, one line each: readers of single
// values see its first line, `MultiLineValue` gives all lines back joined by CR LF.
class IniDocument {
public:
    static constexpr std::size_t kMaxValueLength = 2047;

    IniDocument() = default;
    static IniDocument Parse(std::string_view text);
    // The document as text with CR LF line ends.
    std::string Serialize() const;

    // Section names in file order, as written in the file.
    std::vector<std::string> Sections() const;
    bool HasSection(std::string_view section) const;
    // Key names of a section in file order, each once.
    std::vector<std::string> Keys(std::string_view section) const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::optional<std::string> MultiLineValue(std::string_view section, std::string_view key) const;

    // Replaces every line of the key in place, or appends the key to its section, creating the
    // section at the end of the document when needed.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    bool DeleteKey(std::string_view section, std::string_view key);
    bool DeleteSection(std::string_view section);

private:
    struct Line {
        std::string text;  // the line as it stands in the file, without its line end
        std::string key;   // empty for lines that are not key=value
    };
    struct Section {
        std::string name;
        std::string header;  // the "[name]" line as written
        std::vector<Line> lines;
    };

    const Section* Find(std::string_view section) const;
    Section* Find(std::string_view section);

    bool byteOrderMark_ = false;  // kept as the file had it
    std::vector<Line> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace ostrel
