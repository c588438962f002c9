#include "common/text_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ostrel {
namespace {

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string find;
    std::string replacement;
    std::string ignoringCase;  // ReplaceAll
    std::string exact;         // ReplaceAllExact
};

const ReplaceCase kReplaceCases[] = {
    {"EmptyTextYieldsItself", "", "%TIME%", "x", "", ""},
    {"EmptyFindLeavesText", "abc", "", "x", "abc", "abc"},
    {"FindLongerThanText", "ab", "abc", "x", "ab", "ab"},
    {"NoOccurrence", "<p>hello</p>", "%TIME%", "x", "<p>hello</p>", "<p>hello</p>"},
    {"WholeText", "%TIME%", "%TIME%", "12:00:00 pm", "12:00:00 pm", "12:00:00 pm"},
    {"EveryOccurrence", "%A%-%A%-%A%", "%A%", "b", "b-b-b", "b-b-b"},
    {"AtBothEnds", "xa-ax", "x", "yy", "yya-ayy", "yya-ayy"},
    {"LowerCaseTagOnlyIgnoringCase", "<b>%osname%</b> %OsName%", "%OsName%", "Linux",
     "<b>Linux</b> Linux", "<b>%osname%</b> Linux"},
    {"OverlappingMatchesLeftToRight", "aaa", "aa", "X", "Xa", "Xa"},
    {"OverlappingMatchesAllReplaced", "aaaa", "aa", "X", "XX", "XX"},
    {"ReplacementContainsFind", "a-a", "a", "aa", "aa-aa", "aa-aa"},
    {"ReplacementCreatesNoNewMatch", "aab", "ab", "b", "ab", "ab"},
    {"EmptyReplacementDeletes", "%X%a%X%b%X%", "%X%", "", "ab", "ab"},
    {"PartialMatchThenMatch", "abcabd", "abd", "!", "abc!", "abc!"},
    {"SkipPastRepeatedLastByte", "xxxxxxabcx", "abc", "!", "xxxxxx!x", "xxxxxx!x"},
    // Bytes of 0x80 and above are compared as they are: "é" (C3 A9) and "É" (C3 89) differ.
    {"Utf8Untouched", "caf\xC3\xA9 CAF\xC3\x89", "caf\xC3\xA9", "tea", "tea CAF\xC3\x89",
     "tea CAF\xC3\x89"},
    {"Utf8ReplacementKept", "a%T%b", "%t%", "\xE2\x82\xAC",
     "a\xE2\x82\xAC"
     "b",
     "a%T%b"},
    {"HighBytesInFind", "\xFF\xFE\xFF\xFE", "\xFE\xFF", "-", "\xFF-\xFE", "\xFF-\xFE"},
    {"NonLettersNotFolded", "[{@`", "{[`@", "x", "[{@`", "[{@`"},
};

class ReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, IgnoringCase) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, c.find, c.replacement), c.ignoringCase);
}

TEST_P(ReplaceTest, Exact) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(ReplaceAllExact(c.text, c.find, c.replacement), c.exact);
}

INSTANTIATE_TEST_SUITE_P(TextHelpers, ReplaceTest, testing::ValuesIn(kReplaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextHelpersReplaceAll, GrowsPastTheTextSize) {
    const std::string page(5000, '.');
    std::string text;
    for (int i = 0; i < 200; ++i) text += page.substr(0, i) + "%TAG%";
    std::string expected;
    for (int i = 0; i < 200; ++i) expected += page.substr(0, i) + "a much longer value";
    EXPECT_EQ(ReplaceAll(text, "%tag%", "a much longer value"), expected);
}

struct TextBetweenCase {
    std::string text;
    std::string start;
    std::string end;
    std::string expected;
};

TEST(TextHelpers, TextBetween) {
    const std::string page = "<html><head><title>Blue Sky</title></head><body>x</body></html>";
    const TextBetweenCase cases[] = {
        {page, "<title>", "</title>", "Blue Sky"},
        {page, "<TITLE>", "</title>", page},  // the start marker is matched with its case
        {page, "<h1>", "</h1>", page},
        {page, "<title>", "</h1>", "Blue Sky</title></head><body>x</body></html>"},
        {page, "", "<head>", "<html>"},
        {page, "</html>", "<", ""},
        {"a[1]b[2]", "[", "]", "1"},
        {"][x]", "[", "]", "x"},  // the end marker is looked for after the start marker only
        {"abc", "b", "", "c"},
        {"", "", "", ""},
    };
    for (const TextBetweenCase& c : cases) {
        EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected)
            << c.text << " / " << c.start << " / " << c.end;
    }
}

struct SplitCase {
    std::string text;
    std::string separator;
    std::vector<std::string> expected;
};

TEST(TextHelpers, SplitText) {
    const SplitCase cases[] = {
        {"a,b,c", ",", {"a", "b", "c"}},
        {"a,,b", ",", {"a", "", "b"}},
        {"a,b,", ",", {"a", "b", ""}},
        {",a", ",", {"", "a"}},
        {"abc", ",", {"abc"}},
        {"", ",", {""}},
        {",", ",", {"", ""}},
        {"a\r\nb\r\n\r\nc", "\r\n", {"a", "b", "", "c"}},
        {"a,,,b", ",,", {"a", ",b"}},
        {"a,", ",,", {"a,"}},  // a separator is never borrowed from past the end of the text
        {"a,b", "", {"a,b"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << c.text << " / " << c.separator;
    }
}

TEST(TextHelpers, PadLeft6) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "      "},
        {"ab", "    ab"},
        {"12345", " 12345"},
        {"123456", "123456"},
        {"1234567", "1234567"},
        {"\xC3\xA9t\xC3\xA9", "   \xC3\xA9t\xC3\xA9"},  // three characters in five bytes
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(PadLeft6(text), expected) << text;
}

TEST(TextHelpers, FormEncode) {
    const std::pair<std::string, std::string> cases[] = {
        {"Austin, TX", "Austin%2C+TX"},
        {"5", "%35"},
        {"*-.@_AZaz", "*-.@_AZaz"},
        {"a/b?c=d&e%", "a%2Fb%3Fc%3Dd%26e%25"},
        {"~+", "%7E%2B"},
        {"\xC3\xA9", "%C3%A9"},
        {"\t\n", "%09%0A"},
        {std::string("ab\0cd", 5), "ab"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(FormEncode(text), expected) << text;
}

TEST(TextHelpers, PercentEncode) {
    const std::pair<std::string, std::string> cases[] = {
        {"Az09-._~", "Az09-._~"},
        {"a b+c", "a%20b%2Bc"},
        {"a&b=c%d?e/f", "a%26b%3Dc%25d%3Fe%2Ff"},
        {"\r\n*@", "%0D%0A%2A%40"},
        {"\xC3\xA9\xFF", "%C3%A9%FF"},
        {std::string("ab\0cd", 5), "ab"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(PercentEncode(text), expected) << text;
}

TEST(TextHelpers, FileUrl) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/x/layouts/html/blue.html", "file:///home/x/layouts/html/blue.html"},
        {"/opt/Ostrel 3.0/", "file:///opt/Ostrel 3.0/"},
        {"C:\\Ostrel\\layouts\\html\\~blue.html", "file:///C:/Ostrel/layouts/html/~blue.html"},
        {"\\\\server\\share\\a.html", "file:////server/share/a.html"},
        {"relative/a.html", "file:///relative/a.html"},
        {"", "file:///"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(FileUrl(path), expected) << path;
}

TEST(TextHelpers, FileTitle) {
    const std::pair<std::string, std::string> cases[] = {
        {"/usr/share/savers/Mystify.scr", "Mystify"},
        {"C:\\Windows\\System32\\Bubbles.scr", "Bubbles"},
        {"plain.txt", "plain"},
        {"/a.b/noext", "n"},
        {"/dir/abc", ""},
        {"/dir/", ""},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(FileTitle(path), expected) << path;
}

TEST(TextHelpersTest, TextLinesEndAtCrLfCrOrLf) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\r\n", {"a"}},
        {"a\n\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"", {}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(TextLines(text), lines) << text;
}

TEST(TextHelpersTest, StartsWithTextIgnoresAsciiCase) {
    EXPECT_TRUE(StartsWithText("HTTP://host", "http://"));
    EXPECT_FALSE(StartsWithText("http:/", "http://"));
}

}  // namespace
}  // namespace ostrel
