#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// A colour as layouts and settings store it: red + 256 * green + 65536 * blue in the low three
// bytes; a top byte of 0x80 makes it a system colour whose low byte is the system-colour index.
using ColourValue = std::uint32_t;

inline constexpr ColourValue kClBlack = 0x00000000;
inline constexpr ColourValue kClRed = 0x000000FF;
inline constexpr ColourValue kClLime = 0x0000FF00;
inline constexpr ColourValue kClTeal = 0x00808000;
inline constexpr ColourValue kClWhite = 0x00FFFFFF;
inline constexpr ColourValue kClNone = 0x1FFFFFFF;
inline constexpr ColourValue kClDefault = 0x20000000;

// A colour name of the table (letter case ignored), a decimal whole number or "$" followed by
// up to eight hexadecimal digits. Blanks around the text are ignored. Nothing for anything else.
std::optional<ColourValue> ParseColourText(std::string_view text);

// The colour's name when the table has one ("clLime"), otherwise "$" and eight upper-case
// hexadecimal digits ("$00303030").
std::string ColourText(ColourValue colour);

bool IsSystemColour(ColourValue colour);
// The system-colour index of a system colour (its low byte).
int SystemColourIndex(ColourValue colour);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The red, green and blue bytes of an ordinary colour.
Rgb ColourRgb(ColourValue colour);

}  // namespace ostrel
