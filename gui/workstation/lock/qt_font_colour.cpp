#include "workstation/lock/qt_font_colour.h"

#include <QStringDecoder>
#include <array>
#include <cmath>
#include <cstdlib>

namespace ostrel {

namespace {

// The palette role that plays the part of each system-colour index.
constexpr std::array<QPalette::ColorRole, 31> kSystemRoles = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Window,           // 10 active border
    QPalette::Window,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlight text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::WindowText,       // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 info text
    QPalette::ToolTipBase,      // 24 info background
    QPalette::Window,           // 25 unused
    QPalette::Link,             // 26 hot light
    QPalette::Highlight,        // 27 gradient active caption
    QPalette::Mid,              // 28 gradient inactive caption
    QPalette::Highlight,        // 29 menu highlight
    QPalette::Window,           // 30 menu bar
};

constexpr int kLayoutDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr int kDefaultPointSize = 8;

}  // namespace

std::optional<QColor> ToQColor(ColourValue colour, const QPalette& palette) {
    if (colour == kClDefault) return std::nullopt;
    if (colour == kClNone) return QColor(Qt::transparent);
    if (IsSystemColour(colour)) {
        const auto index = static_cast<std::size_t>(SystemColourIndex(colour));
        return palette.color(index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window);
    }
    const Rgb rgb = ColourRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont ToQFont(const FontSpec& font) {
    QFont qfont(ToQString(font.name));
    qfont.setStyleHint(QFont::SansSerif);
    const int points = font.size == 0 ? kDefaultPointSize : std::abs(font.size);
    qfont.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * double{kLayoutDpi} / kPointsPerInch))));
    qfont.setBold(font.styles & kFontBold);
    qfont.setItalic(font.styles & kFontItalic);
    qfont.setUnderline(font.styles & kFontUnderline);
    qfont.setStrikeOut(font.styles & kFontStrikeOut);
    return qfont;
}

QString ToQString(std::string_view text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded =
        decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!decoder.hasError()) return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ostrel
