#include "common/font_text.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrel {
namespace {

FontSpec Font(std::string name, int size, unsigned styles, ColourValue colour, int charset) {
    FontSpec font;
    font.name = std::move(name);
    font.size = size;
    font.styles = styles;
    font.colour = colour;
    font.charset = charset;
    return font;
}

struct ReadCase {
    const char* text;
    FontSpec font;
};

const ReadCase kReadCases[] = {
    {",Tahoma,8,,clLime,1,", Font("Tahoma", 8, 0, kClLime, 1)},
    {",MS Sans Serif,10,,clLime,1,", Font("MS Sans Serif", 10, 0, kClLime, 1)},
    {",Arial,12,bi,clRed,0,", Font("Arial", 12, kFontBold | kFontItalic, kClRed, 0)},
    {",Arial,12,bi,$000000FF,0,", Font("Arial", 12, kFontBold | kFontItalic, kClRed, 0)},
    {",Arial,12,ib,255,0,", Font("Arial", 12, kFontBold | kFontItalic, kClRed, 0)},
    {",Courier New,9,sub,clWhite,0,",
     Font("Courier New", 9, kFontBold | kFontUnderline | kFontStrikeOut, kClWhite, 0)},
    // Only the lower-case letters count; everything else in the style field is ignored.
    {",Arial,12,BIxz-,clRed,0,", Font("Arial", 12, 0, kClRed, 0)},
    {",Arial,12,[bold],clRed,0,", Font("Arial", 12, kFontBold, kClRed, 0)},
    // The fields are found by position; a missing closing comma does not matter.
    {",Verdana,14,u,clBlue,238", Font("Verdana", 14, kFontUnderline, 0x00FF0000, 238)},
    {",, 11 ,,clSilver, 2 ,", Font("", 11, 0, 0x00C0C0C0, 2)},
    {",Arial,-13,,clBtnText,0,", Font("Arial", -13, 0, 0x80000012, 0)},
};

TEST(FontTextTest, Reads) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseFontText(c.text), c.font);
    }
}

struct ErrorCase {
    const char* text;
    const char* reason;
};

const ErrorCase kErrorCases[] = {
    {",Arial,x,b,clRed,0,", "\"x\" is not a valid font size"},
    {",Arial,,b,clRed,0,", "\"\" is not a valid font size"},
    {",Arial,12.5,b,clRed,0,", "\"12.5\" is not a valid font size"},
    {",Arial,$C,b,clRed,0,", "\"$C\" is not a valid font size"},
    {",Arial,12,b,reddish,0,", "\"reddish\" is not a valid colour"},
    {",Arial,12,b,clRed,ANSI,", "\"ANSI\" is not a valid character set"},
    {",Arial,12,b,clRed,", "\"\" is not a valid character set"},
    // Without commas every field is the whole text.
    {"Arial", "\"Arial\" is not a valid font size"},
    {"", "\"\" is not a valid font size"},
};

TEST(FontTextTest, RejectsSizeColourAndCharacterSetThatCannotBeRead) {
    for (const ErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.text);
        std::string whyNot;
        EXPECT_EQ(ParseFontText(c.text, &whyNot), std::nullopt);
        EXPECT_EQ(whyNot, c.reason);
    }
}

TEST(FontTextTest, WritesStylesInFixedOrderAndColoursByName) {
    EXPECT_EQ(FontText(Font("Tahoma", 8, 0, kClLime, 1)), ",Tahoma,8,,clLime,1,");
    EXPECT_EQ(FontText(Font("Arial", 12, kFontStrikeOut | kFontUnderline | kFontItalic | kFontBold,
                            kClRed, 0)),
              ",Arial,12,bius,clRed,0,");
    EXPECT_EQ(FontText(Font("Arial", 9, kFontItalic | kFontStrikeOut, 0x00112233, 0)),
              ",Arial,9,is,$00112233,0,");
}

TEST(FontTextTest, WrittenTextReadsBackTheSameFont) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseFontText(FontText(c.font)), c.font);
    }
}

}  // namespace
}  // namespace ostrel
