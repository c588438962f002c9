#include "common/passwords.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(HashPassword, IsTheLowerCaseDigestOfTheBytesAsGiven) {
    EXPECT_EQ(HashPassword(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(HashPassword("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
    // Letter case counts, and bytes above 0x7F are hashed untouched ("é" in UTF-8).
    EXPECT_NE(HashPassword("Abc"), HashPassword("abc"));
    EXPECT_EQ(HashPassword("\xc3\xa9"), "bf15be717ac1b080b4f1c456692825891ff5073d");
}

TEST(CheckMasterPassword, MatchesOnlyTheExactHash) {
    const std::string abcHash = "a9993e364706816aba3e25717850c26c9cd0d89d";
    const std::string emptyHash = "da39a3ee5e6b4b0d3255bfef95601890afd80709";
    struct Case {
        const char* password;
        std::string passwordHash;
        bool matches;
    };
    const Case cases[] = {
        {"abc", abcHash, true},
        {"ABC", abcHash, false},
        {"abc ", abcHash, false},
        {"abc", "A9993E364706816ABA3E25717850C26C9CD0D89D", false},
        {"abc", abcHash + " ", false},
        {"", emptyHash, true},
        // No master password set: nothing opens, not even an empty password.
        {"", "", false},
        {"abc", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.password) + " against '" + c.passwordHash + "'");
        EXPECT_EQ(CheckMasterPassword(c.password, c.passwordHash), c.matches);
    }
}

}  // namespace
}  // namespace ostrel
