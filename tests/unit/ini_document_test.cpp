#include "common/ini_document.h"

#include <gtest/gtest.h>

#include "common/ini_file.h"
#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class IniReadRules : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReadRules, ReadsValue) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::Parse(c.text).Value(c.section, c.key), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadRules,
    testing::Values(
        ReadCase{"plain", "[General]\r\nCity=Austin\r\n", "General", "City", "Austin"},
        ReadCase{"names_ignore_case", "[general]\nRUNONSTARTUP=1\n", "General", "RunOnStartUp", "1"},
        ReadCase{"blanks_dropped", "  [ General ]  \n  City  =  Austin TX  \n", "General", "City",
                 "Austin TX"},
        ReadCase{"quotes_dropped", "[G]\nk=\"  spaced  \"\n", "G", "k", "  spaced  "},
        ReadCase{"one_quote_kept", "[G]\nk=\"open\n", "G", "k", "\"open"},
        ReadCase{"equals_in_value", "[M]\naway=Lunch=Out to lunch\n", "M", "away", "Lunch=Out to lunch"},
        ReadCase{"first_key_wins", "[G]\nk=1\nk=2\n", "G", "k", "1"},
        ReadCase{"first_section_wins", "[G]\nk=1\n[G]\nk=2\n", "G", "k", "1"},
        ReadCase{"empty_value", "[G]\nk=\n", "G", "k", ""},
        ReadCase{"missing_key", "[G]\nk=1\n", "G", "other", std::nullopt},
        ReadCase{"missing_section", "[G]\nk=1\n", "H", "k", std::nullopt},
        ReadCase{"key_outside_section", "k=1\n[G]\n", "G", "k", std::nullopt},
        ReadCase{"comment_is_no_key", "[G]\n;k=1\n", "G", ";k", std::nullopt},
        ReadCase{"no_line_end_at_eof", "[G]\nk=last", "G", "k", "last"},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF[G]\nk=v\n", "G", "k", "v"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(IniDocument, CutsValuesAt2047Characters) {
    const std::string longValue(3000, 'x');
    const auto value = IniDocument::Parse("[G]\nk=" + longValue + "\n").Value("G", "k");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->size(), 2047u);
}

TEST(IniDocument, RewriteKeepsUnknownLinesAndOrder) {
    const std::string original =
        "; written by hand\r\n"
        "[Zeta]\r\n"
        "unknown=kept\r\n"
        "\r\n"
        "[General]\r\n"
        "City=Austin\r\n"
        "; note about the city\r\n"
        "Other=1\r\n"
        "\r\n";
    IniDocument document = IniDocument::Parse(original);
    document.SetValue("general", "city", "Dallas");
    document.SetValue("General", "NewKey", "n");
    document.SetValue("Security", "lockTime", "60");
    EXPECT_EQ(document.Serialize(),
              "; written by hand\r\n"
              "[Zeta]\r\n"
              "unknown=kept\r\n"
              "\r\n"
              "[General]\r\n"
              "city=Dallas\r\n"
              "; note about the city\r\n"
              "Other=1\r\n"
              "NewKey=n\r\n"
              "\r\n"
              "[Security]\r\n"
              "lockTime=60\r\n");
    EXPECT_EQ(document.Sections(), (std::vector<std::string>{"Zeta", "General", "Security"}));
}

TEST(IniDocument, ValuesRoundTripThroughTheFile) {
    const std::vector<std::string> values = {
        "plain", "", "  leading and trailing  ", "\"quoted\"", "\"", "a=b=c", "C:\\path\\file.html",
        "line one\r\nline two\r\n\r\nline four", "192.168.1.*\r\n192.168.0.22*", "ends with break\r\n"};
    for (const std::string& value : values) {
        IniDocument document;
        document.SetValue("S", "k", value);
        const IniDocument reread = IniDocument::Parse(document.Serialize());
        EXPECT_EQ(reread.MultiLineValue("S", "k"), value) << value;
    }
}

TEST(IniDocument, MultiLineValueReadsAsItsFirstLineAndIsReplacedWhole) {
    IniDocument document;
    document.SetValue("Security", "AllowedRemoteIPs", "10.0.0.*\r\n10.0.1.*\r\n10.0.2.*");
    document.SetValue("Security", "after", "x");
    EXPECT_EQ(document.Value("Security", "AllowedRemoteIPs"), "10.0.0.*");
    document.SetValue("Security", "AllowedRemoteIPs", "172.16.*");
    EXPECT_EQ(document.Serialize(), "[Security]\r\nAllowedRemoteIPs=172.16.*\r\nafter=x\r\n");
}

TEST(IniDocument, SectionsAndKeysInFileOrderAndDeletion) {
    IniDocument document = IniDocument::Parse("[Bob]\nPassword=1\nPermissions=1\n[alice]\n[Carol]\nx=1\n");
    EXPECT_EQ(document.Sections(), (std::vector<std::string>{"Bob", "alice", "Carol"}));
    EXPECT_EQ(document.Keys("bob"), (std::vector<std::string>{"Password", "Permissions"}));
    EXPECT_TRUE(document.Keys("alice").empty());
    EXPECT_TRUE(document.DeleteSection("BOB"));
    EXPECT_FALSE(document.DeleteSection("bob"));
    EXPECT_TRUE(document.DeleteKey("carol", "X"));
    EXPECT_EQ(document.Serialize(), "[alice]\r\n[Carol]\r\n");
}

struct IntegerCase {
    const char* text;
    std::optional<int> expected;
};

TEST(ProfileInteger, ParsesDecimalAndHexadecimal) {
    const IntegerCase cases[] = {
        {"300", 300},        {"-5", -5},          {"+7", 7},           {"0x1F", 31},
        {"0XC000", 49152},   {"$10", 16},         {"0xFFFFFFFF", -1},  {"2147483647", 2147483647},
        {"2147483648", {}},  {"yes", {}},         {"", {}},            {"12abc", {}},
        {"0x", {}},          {"1.5", {}},         {"--1", {}},         {"0x-1", {}},
    };
    for (const IntegerCase& c : cases) EXPECT_EQ(ParseProfileInteger(c.text), c.expected) << c.text;
}

TEST(IniFile, ReadsWithDefaultsAndWritesThrough) {
    FakeFileSystem fs;
    fs.SetFile("/p/settings.ini", "[Security]\nlockTime=60\nautoHide=2\nidleLock=yes\n");
    IniFile file(fs, "/p/settings.ini");
    EXPECT_EQ(file.ReadInteger("security", "LOCKTIME", 300), 60);
    EXPECT_EQ(file.ReadInteger("Security", "missing", 300), 300);
    EXPECT_TRUE(file.ReadBool("Security", "autoHide", false));
    EXPECT_FALSE(file.ReadBool("Security", "idleLock", false));
    EXPECT_TRUE(file.ReadBool("Security", "idleLock", true));

    ASSERT_TRUE(file.WriteBool("Security", "idleLock", false));
    EXPECT_EQ(fs.ReadFile("/p/settings.ini"),
              "[Security]\r\nlockTime=60\r\nautoHide=2\r\nidleLock=0\r\n");

    ASSERT_TRUE(file.Update([](IniDocument& d) {
        d.SetValue("A", "x", "1");
        d.SetValue("B", "y", "2");
    }));
    EXPECT_EQ(fs.WriteCount("/p/settings.ini"), 2);
}

TEST(IniFile, MissingFileIsEmptyAndRefusedWriteIsReported) {
    FakeFileSystem fs;
    fs.AddDirectories("/p");
    IniFile file(fs, "/p/userlist.dat");
    EXPECT_TRUE(file.ReadSections().empty());
    fs.SetReadOnly("/p/userlist.dat", true);
    EXPECT_FALSE(file.WriteString("bob", "Permissions", "1"));
    fs.SetReadOnly("/p/userlist.dat", false);
    EXPECT_TRUE(file.WriteString("bob", "Password", "h"));
    EXPECT_EQ(fs.ReadFile("/p/userlist.dat"), "[bob]\r\nPermissions=1\r\nPassword=h\r\n");
}

}  // namespace
}  // namespace ostrel
