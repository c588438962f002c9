#include "common/date_format.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

constexpr LocalDateTime kAfternoon{2009, 12, 9, 15, 4, 5, 7};  // a Wednesday
constexpr LocalDateTime kMorning{2010, 1, 5, 9, 8, 7, 45};     // a Tuesday

struct FormatCase {
    LocalDateTime moment;
    std::string_view format;
    std::string_view expected;
};

TEST(DateFormat, FormatsDelphiStyleStrings) {
    const FormatCase cases[] = {
        // Formats the program uses.
        {kAfternoon, "h:nn:ss am/pm", "3:04:05 pm"},
        {kAfternoon, kLongTimeFormat, "3:04:05 PM"},
        {kAfternoon, kShortDateFormat, "12/9/2009"},
        {kAfternoon, "m/dd/yy", "12/09/09"},
        {kAfternoon, "mmmm d, yyyy", "December 9, 2009"},
        {kAfternoon, "mmm-dd-yy", "Dec-09-09"},
        {kAfternoon, "mmmm dd, yyyy", "December 09, 2009"},
        {kAfternoon, "h:nn:ss am/pm   m/dd/yy", "3:04:05 pm   12/09/09"},
        {kMorning, "mmm-dd-yy", "Jan-05-10"},
        {kMorning, kLongTimeFormat, "9:08:07 AM"},
        // m after h means minutes; separators and quoted text in between do not matter.
        {kAfternoon, "hh:mm", "15:04"},
        {kAfternoon, "h:m", "15:4"},
        {kAfternoon, "hh 'x' mm", "15 x 04"},
        {kAfternoon, "hh:mm:ss m", "15:04:05 12"},
        {kAfternoon, "hhxmm", "15x12"},
        {kAfternoon, "mm/dd hh", "12/09 15"},
        // Every field in its short and long forms.
        {kMorning, "d dd ddd dddd", "5 05 Tue Tuesday"},
        {kMorning, "m mm mmm mmmm mmmmm", "1 01 Jan January January"},
        {kMorning, "n nn s ss z zzz", "8 08 7 07 45 045"},
        {kMorning, "y yy yyy yyyy", "10 10 2010 2010"},
        {kMorning, "h hh", "9 09"},
        // am/pm forms keep the case as written and switch h to a 12-hour clock.
        {kAfternoon, "hh AM/PM", "03 PM"},
        {kAfternoon, "h Am/pM", "3 pM"},
        {kAfternoon, "h a/p A/P", "3 p P"},
        {kAfternoon, "h ampm", "3 PM"},
        {kMorning, "am/pm a/p", "am a"},
        {{2009, 12, 9, 0, 30, 0, 0}, "h:nn a/p", "12:30 a"},
        {{2009, 12, 9, 12, 0, 0, 0}, "h:nn a/p", "12:00 p"},
        {{2009, 12, 9, 0, 30, 0, 0}, "h:nn", "0:30"},
        // Literals.
        {kAfternoon, "'h:nn' \"dddd\"", "h:nn dddd"},
        {kAfternoon, "'unclosed h", "unclosed h"},
        {kAfternoon, "[ax] -- ", "[ax] -- "},
        {kAfternoon, "", ""},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, c.moment), c.expected) << "format \"" << c.format << '"';
    }
}

struct ParseCase {
    std::string_view text;
    std::optional<LocalDateTime> expected;
};

TEST(DateFormat, ParsesShortAndIsoDates) {
    const ParseCase cases[] = {
        {"12/9/2009", LocalDateTime{2009, 12, 9, 0, 0, 0, 0}},
        {"01/05/2010", LocalDateTime{2010, 1, 5, 0, 0, 0, 0}},
        {"2009-12-09", LocalDateTime{2009, 12, 9, 0, 0, 0, 0}},
        {"2/29/2008", LocalDateTime{2008, 2, 29, 0, 0, 0, 0}},
        {"2000-02-29", LocalDateTime{2000, 2, 29, 0, 0, 0, 0}},
        {"2/29/2009", std::nullopt},
        {"1900-02-29", std::nullopt},
        {"4/31/2009", std::nullopt},
        {"13/1/2009", std::nullopt},
        {"0/1/2009", std::nullopt},
        {"1/0/2009", std::nullopt},
        {"12/9/09", std::nullopt},
        {"12/9/20090", std::nullopt},
        {"123/9/2009", std::nullopt},
        {"12/9/2009 ", std::nullopt},
        {"12-9-2009", std::nullopt},
        {"2009-1-09", std::nullopt},
        {"2009/12/09", std::nullopt},
        {"0000-01-01", std::nullopt},
        {"", std::nullopt},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(ParseShortDate(c.text), c.expected) << "text \"" << c.text << '"';
    }
}

TEST(DateFormat, ShortDateRoundTrips) {
    const LocalDateTime day{2012, 2, 29, 0, 0, 0, 0};
    EXPECT_EQ(ParseShortDate(FormatShortDate(day)), day);
}

}  // namespace
}  // namespace ostrel
