#include "common/colour_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrel {
namespace {

struct NamedColourCase {
    const char* name;
    ColourValue value;
};

// Every name of the colour table with its value.
const NamedColourCase kTable[] = {
    {"clBlack", 0x00000000},
    {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},
    {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},
    {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},
    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0},
    {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},
    {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clHotLight", 0x8000001A},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuBar", 0x8000001E},
    {"clMenuHighlight", 0x8000001D},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
};

TEST(ColourTextTest, EveryNameReadsAndWritesBack) {
    for (const NamedColourCase& entry : kTable) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(ParseColourText(entry.name), entry.value);
        EXPECT_EQ(ColourText(entry.value), entry.name);
    }
}

struct ParseCase {
    const char* text;
    std::optional<ColourValue> value;
};

const ParseCase kParseCases[] = {
    {"CLLIME", 0x0000FF00},
    {"clbtnface", 0x8000000F},
    {"  clRed ", 0x000000FF},
    {"$00303030", 0x00303030},
    {"$ff", 0x000000FF},
    {"$80000012", 0x80000012},
    {"$FFFFFFFF", 0xFFFFFFFF},
    {"255", 0x000000FF},
    {"0", 0},
    {"4294967295", 0xFFFFFFFF},
    {"-1", 0xFFFFFFFF},
    {"-2147483633", 0x8000000F},
    {"-2147483648", 0x80000000},
    {"", std::nullopt},
    {"red", std::nullopt},
    {"clRedd", std::nullopt},
    {"$", std::nullopt},
    {"$123456789", std::nullopt},
    {"$-1", std::nullopt},
    {"$12G", std::nullopt},
    {"0x10", std::nullopt},
    {"12a", std::nullopt},
    {"+5", std::nullopt},
    {"--1", std::nullopt},
    {"4294967296", std::nullopt},
    {"-2147483649", std::nullopt},
};

TEST(ColourTextTest, ParsesNamesAndNumbers) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseColourText(c.text), c.value);
    }
}

TEST(ColourTextTest, UnnamedValuesAreEightHexDigits) {
    EXPECT_EQ(ColourText(0x00303030), "$00303030");
    EXPECT_EQ(ColourText(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(ColourText(0x8000001F), "$8000001F");
    EXPECT_EQ(ColourText(0x000000FE), "$000000FE");
}

TEST(ColourTextTest, SystemColoursAndRgbBytes) {
    EXPECT_TRUE(IsSystemColour(0x8000000F));
    EXPECT_EQ(SystemColourIndex(0x8000000F), 15);
    EXPECT_FALSE(IsSystemColour(0x00FFFFFF));
    EXPECT_FALSE(IsSystemColour(kClNone));
    EXPECT_EQ(ColourRgb(0x00332211), (Rgb{0x11, 0x22, 0x33}));
}

}  // namespace
}  // namespace ostrel
