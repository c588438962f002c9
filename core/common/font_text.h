#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/colour_text.h"

namespace ostrel {

enum FontStyle : unsigned {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// A font as layouts and settings store it: ",name,size,styles,colour,charset,".
struct FontSpec {
    std::string name = "MS Sans Serif";
    int size = 10;        // points
    unsigned styles = 0;  // FontStyle bits
    ColourValue colour = kClLime;
    int charset = 1;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The font layouts use when they name none.
inline constexpr std::string_view kDefaultLayoutFontText = ",MS Sans Serif,10,,clLime,1,";

// Reads a font text. Field n (1 to 5) is what is left after dropping, n times, everything up to
// and including the first comma, cut before the next comma. Size and character set are decimal
// whole numbers; in the style field the letters "b", "i", "u" and "s" switch on bold, italic,
// underline and strike-out, other characters are ignored; the colour is a colour text.
// Nothing when size, character set or colour cannot be read; `whyNot` then receives the reason.
std::optional<FontSpec> ParseFontText(std::string_view text, std::string* whyNot = nullptr);

// ",Tahoma,8,b,clLime,1,": the styles written in the order b, i, u, s.
std::string FontText(const FontSpec& font);

}  // namespace ostrel
