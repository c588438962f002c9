#include "common/font_text.h"

#include <charconv>

namespace ostrel {

namespace {

std::string_view Field(std::string_view text, int number) {
    for (int i = 0; i < number; ++i) {
        const auto comma = text.find(',');
        if (comma != std::string_view::npos) text.remove_prefix(comma + 1);
    }
    return text.substr(0, text.find(','));
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<int> ParseDecimal(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

unsigned ParseStyles(std::string_view text) {
    unsigned styles = 0;
    for (const char c : text) {
        switch (c) {
            case 'b':
                styles |= kFontBold;
                break;
            case 'i':
                styles |= kFontItalic;
                break;
            case 'u':
                styles |= kFontUnderline;
                break;
            case 's':
                styles |= kFontStrikeOut;
                break;
            default:
                break;
        }
    }
    return styles;
}

std::nullopt_t Fail(std::string* whyNot, std::string_view what, std::string_view value) {
    if (whyNot) *whyNot = "\"" + std::string(value) + "\" is not a valid " + std::string(what);
    return std::nullopt;
}

}  // namespace

std::optional<FontSpec> ParseFontText(std::string_view text, std::string* whyNot) {
    FontSpec font;
    font.name = std::string(Field(text, 1));
    const auto size = ParseDecimal(Field(text, 2));
    if (!size) return Fail(whyNot, "font size", Field(text, 2));
    font.size = *size;
    font.styles = ParseStyles(Field(text, 3));
    const auto colour = ParseColourText(Field(text, 4));
    if (!colour) return Fail(whyNot, "colour", Field(text, 4));
    font.colour = *colour;
    const auto charset = ParseDecimal(Field(text, 5));
    if (!charset) return Fail(whyNot, "character set", Field(text, 5));
    font.charset = *charset;
    return font;
}

std::string FontText(const FontSpec& font) {
    std::string styles;
    if (font.styles & kFontBold) styles += 'b';
    if (font.styles & kFontItalic) styles += 'i';
    if (font.styles & kFontUnderline) styles += 'u';
    if (font.styles & kFontStrikeOut) styles += 's';
    return "," + font.name + "," + std::to_string(font.size) + "," + styles + "," +
           ColourText(font.colour) + "," + std::to_string(font.charset) + ",";
}

}  // namespace ostrel
