#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>
#include <string_view>

#include "common/colour_text.h"
#include "common/font_text.h"

namespace ostrel {

// The colour a colour value shows as: a system colour takes the matching colour of the palette,
// clNone is transparent, an ordinary colour its red, green and blue bytes. Nothing for
// clDefault: the widget keeps its own colour.
std::optional<QColor> ToQColor(ColourValue colour, const QPalette& palette);

// The font of a font text. Sizes are points at 96 dots per inch, the resolution layouts are
// drawn for, so text keeps its proportion to pixel positions on every screen. The character set
// is not used: text is Unicode.
QFont ToQFont(const FontSpec& font);

// Layout and settings text: UTF-8 when it is valid UTF-8, otherwise 8-bit Latin-1.
QString ToQString(std::string_view text);

}  // namespace ostrel
