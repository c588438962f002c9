#include "workstation/messages/away_presets.h"

#include <gtest/gtest.h>

#include "common/ostrel_settings.h"

namespace ostrel {
namespace {

using Names = std::vector<std::string>;

TEST(AwayPresets, DefaultPresetsLoadAndStoreUnchanged) {
    AwayPresets presets;
    presets.Load(kDefaultAwayPresets);
    EXPECT_EQ(presets.Names(), (Names{"Lunch", "Gone for day", "Meeting", "Invisible"}));
    EXPECT_EQ(presets.TextOf("Meeting"), "In a meeting");
    EXPECT_EQ(presets.StoredForm(), kDefaultAwayPresets);
}

TEST(AwayPresets, LinesWithoutNameOrWithSeveralEqualSigns) {
    AwayPresets presets;
    presets.Load("a=b=c\nno sign\r\n\r=x\rlast");
    EXPECT_EQ(presets.Names(), (Names{"a", "", "", "", ""}));
    EXPECT_EQ(presets.TextOf("a"), "b=c");
    EXPECT_EQ(presets.TextOf(""), "");  // "no sign": empty name, empty text
    EXPECT_EQ(presets.TextOf("missing"), std::nullopt);
    EXPECT_EQ(presets.StoredForm(), "a=b=c\r\nno sign\r\n\r\n=x\r\nlast\r\n");
    presets.Load("");
    EXPECT_EQ(presets.Count(), 0);
    EXPECT_EQ(presets.StoredForm(), "");
}

TEST(AwayPresets, ATextWithALineBreakComesBackAsTwoEntries) {
    AwayPresets presets;
    presets.Store("Away", "line one\r\nline two");
    AwayPresets loaded;
    loaded.Load(presets.StoredForm());
    EXPECT_EQ(loaded.Names(), (Names{"Away", ""}));
    EXPECT_EQ(loaded.TextOf("Away"), "line one");
}

TEST(AwayPresets, LookupFindsTheFirstNameIgnoringCase) {
    AwayPresets presets;
    presets.Load("Lunch=first\r\nLUNCH=second\r\n");
    EXPECT_EQ(presets.TextOf("lunch"), "first");
    EXPECT_EQ(presets.TextOf("LUNCH"), "first");
}

TEST(AwayPresets, StoreReplacesAppendsOrRemoves) {
    AwayPresets presets;
    presets.Load(kDefaultAwayPresets);
    presets.Store("meeting", "In a long meeting");
    EXPECT_EQ(presets.Names(), (Names{"Lunch", "Gone for day", "meeting", "Invisible"}));
    EXPECT_EQ(presets.TextOf("Meeting"), "In a long meeting");

    presets.Store("Lunch", "");  // an emptied text removes the preset...
    EXPECT_EQ(presets.Names(), (Names{"Gone for day", "meeting", "Invisible"}));
    presets.Store("Lunch", "B");  // ...and typing again brings it back at the end
    EXPECT_EQ(presets.Names(), (Names{"Gone for day", "meeting", "Invisible", "Lunch"}));
    presets.Store("Nothing", "");
    EXPECT_EQ(presets.Count(), 4);
}

TEST(AwayPresets, AddKeepsDuplicatesAndRemoveTakesTheFirst) {
    AwayPresets presets;
    presets.Load("A=1\r\nB=2\r\n");
    presets.Add("a", "enter message here");
    EXPECT_EQ(presets.StoredForm(), "A=1\r\nB=2\r\na=enter message here\r\n");
    EXPECT_TRUE(presets.Remove("a"));
    EXPECT_EQ(presets.StoredForm(), "B=2\r\na=enter message here\r\n");
    EXPECT_FALSE(presets.Remove("C"));

    EXPECT_TRUE(presets.RemoveAt(1));
    EXPECT_FALSE(presets.RemoveAt(1));
    EXPECT_FALSE(presets.RemoveAt(-1));
    EXPECT_EQ(presets.StoredForm(), "B=2\r\n");
}

}  // namespace
}  // namespace ostrel
