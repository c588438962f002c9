#include "workstation/lock/slf_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

using Kind = SlfControlKind;

struct SectionCase {
    const char* section;
    std::vector<Kind> kinds;
};

const SectionCase kSectionCases[] = {
    {"EXITOKBUTTON2", {Kind::kFlatOkButton, Kind::kOkButton}},
    {"EXITOKBUTTON", {Kind::kFlatOkButton}},
    {"ExitOkButton2", {Kind::kFlatOkButton, Kind::kOkButton}},
    {"LABEL1", {Kind::kLabel}},
    {"LABELFOO", {Kind::kLabel}},
    {"label7", {Kind::kLabel}},
    {"MYLABEL", {}},
    {" LABEL1", {}},
    {"MESSAGECOUNTLABEL", {Kind::kMessageCountLabel}},
    {"AWAYMESSAGELABEL", {Kind::kAwayMessageLabel}},
    {"MyBackGroundImage", {Kind::kSurface, Kind::kPicture}},
    {"BackGround", {Kind::kSurface}},
    {"BACKGROUND", {}},
    {"Background", {}},
    {"EXITUSERNAMEBOX", {Kind::kUserNameBox}},
    {"theExitPasswordBox", {Kind::kPasswordBox}},
    {"CHANGEPASSWORDBUTTON", {Kind::kFlatChangePasswordButton}},
    {"CHANGEPASSWORDBUTTON2", {Kind::kFlatChangePasswordButton, Kind::kChangePasswordButton}},
    {"LEAVEMESSAGEBUTTON2", {Kind::kFlatLeaveMessageButton, Kind::kLeaveMessageButton}},
    {"AnalogClock", {Kind::kAnalogClock}},
    {"CLOCKLABEL", {Kind::kClockLabel1}},
    {"CLOCKLABEL2", {Kind::kClockLabel1, Kind::kClockLabel2}},
    {"OSTRELUPTIMELABEL", {Kind::kOstrelUptimeLabel}},
    {"SYSTEMUPTIMELABEL", {Kind::kSystemUptimeLabel}},
    {"Image1", {Kind::kPicture}},
    {"BEVEL", {Kind::kBevel}},
    {"GroupBox1", {Kind::kGroupBox}},
    {"Plugin_weather", {Kind::kPlugin}},
    {"Layout", {}},
    {"", {}},
    // Several keywords: applied in the order of the tests, not of the name.
    {"LABELCLOCKLABEL", {Kind::kLabel, Kind::kClockLabel1}},
    {"BEVELIMAGE", {Kind::kPicture, Kind::kBevel}},
    {"PLUGINGROUPBOXBEVEL", {Kind::kBevel, Kind::kGroupBox, Kind::kPlugin}},
};

TEST(SlfSectionTest, NamesSelectControls) {
    for (const SectionCase& c : kSectionCases) {
        SCOPED_TRACE(c.section);
        EXPECT_EQ(SlfSectionKinds(c.section), c.kinds);
    }
}

class SlfLayoutTest : public testing::Test {
protected:
    SlfLayout Parse(const std::string& text) { return ParseSlfLayout(text, context_, files_); }

    // The only control a one-section layout gives.
    SlfControl Single(const std::string& text) {
        const SlfLayout layout = Parse(text);
        EXPECT_EQ(layout.error, std::nullopt);
        EXPECT_EQ(layout.controls.size(), 1u);
        return layout.controls.empty() ? SlfControl{} : layout.controls.front();
    }

    FakeFileSystem files_;
    SlfContext context_{"/opt/ostrel/", "Gone fishing"};
};

// What a section without keys gives, kind by kind.
struct DefaultsCase {
    const char* section;
    int left, top;
    std::optional<int> width, height;
    bool hasFont;
    const char* caption;
    bool transparent, autoSize, visible, flat;
};

const DefaultsCase kDefaults[] = {
    {"EXITUSERNAMEBOX", 0, 0, 195, 26, true, "", false, false, true, false},
    {"EXITPASSWORDBOX", 0, 0, 200, 26, true, "", false, false, true, false},
    {"LABEL1", 0, 0, 200, 26, true, "defaultCaption", true, false, true, false},
    {"EXITOKBUTTON", 0, 0, std::nullopt, std::nullopt, true, "defaultCaption", false, false, true,
     true},
    {"CHANGEPASSWORDBUTTON", 0, 0, 200, 26, true, "defaultCaption", false, false, true, true},
    {"LEAVEMESSAGEBUTTON", 0, 0, 135, 26, true, "Leave a Message", false, false, true, true},
    {"MESSAGECOUNTLABEL", 0, 0, 200, 26, true, "0 Messages", true, true, true, false},
    {"AWAYMESSAGELABEL", 0, 0, 100, 50, true, "Gone fishing", true, true, true, false},
    {"ANALOGCLOCK", 0, 0, 100, 50, true, "", false, false, true, false},
    {"CLOCKLABEL", 0, 0, 100, 50, true, "Hey, I'm not here right now.  Catch me later.", true, true,
     true, false},
    {"SYSTEMUPTIMELABEL", 0, 0, 100, 50, true, "Hey, I'm not here right now.  Catch me later.",
     true, true, true, false},
    {"IMAGE", 0, 0, 200, 26, false, "", true, true, true, false},
    {"BEVEL", 0, 0, 200, 26, false, "", false, false, true, false},
    {"GROUPBOX", 40, 60, 40, 60, false, "GroupBox%", false, false, true, false},
    {"PLUGIN", 40, 60, 40, 60, false, "", false, false, true, false},
};

TEST_F(SlfLayoutTest, SectionWithoutKeysTakesDefaults) {
    for (const DefaultsCase& c : kDefaults) {
        SCOPED_TRACE(c.section);
        const SlfControl control = Single("[" + std::string(c.section) + "]\r\n");
        EXPECT_EQ(control.section, c.section);
        EXPECT_EQ(control.left, c.left);
        EXPECT_EQ(control.top, c.top);
        EXPECT_EQ(control.width, c.width);
        EXPECT_EQ(control.height, c.height);
        EXPECT_EQ(control.font, c.hasFont ? ParseFontText(kDefaultLayoutFontText) : std::nullopt);
        EXPECT_EQ(control.caption, c.caption);
        EXPECT_EQ(control.transparent, c.transparent);
        EXPECT_EQ(control.autoSize, c.autoSize);
        EXPECT_EQ(control.visible, c.visible);
        EXPECT_EQ(control.flat, c.flat);
        EXPECT_EQ(control.backColour, kClBlack);
    }
}

TEST_F(SlfLayoutTest, ReadsEveryKeyOfALabel) {
    const SlfControl label = Single(
        "[LABEL1]\nleft=$10\ntop=0x20\nwidth=300\nheight=40\nfont=,Arial,12,b,clWhite,0,\n"
        "backcolor=clNavy\ntransparent=0\nwordwrap=1\nautosize=1\ncaption=\"  Hello  \"\n");
    EXPECT_EQ(label.kind, Kind::kLabel);
    EXPECT_EQ(label.left, 16);
    EXPECT_EQ(label.top, 32);
    EXPECT_EQ(label.width, 300);
    EXPECT_EQ(label.height, 40);
    EXPECT_EQ(label.font, ParseFontText(",Arial,12,b,clWhite,0,"));
    EXPECT_EQ(label.backColour, 0x00800000u);
    EXPECT_FALSE(label.transparent);
    EXPECT_TRUE(label.wordWrap);
    EXPECT_TRUE(label.autoSize);
    EXPECT_EQ(label.caption, "  Hello  ");
}

TEST_F(SlfLayoutTest, NumbersThatCannotBeReadGiveDefaults) {
    const SlfControl box = Single("[EXITPASSWORDBOX]\nleft=ten\ntop=\nwidth=1.5\nvisible=yes\n");
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.width, 200);
    EXPECT_TRUE(box.visible);
    EXPECT_FALSE(Single("[EXITPASSWORDBOX]\nvisible=0\n").visible);
    EXPECT_TRUE(Single("[EXITPASSWORDBOX]\nvisible=-1\n").visible);
}

TEST_F(SlfLayoutTest, OkButtonKeepsItsSizeUnlessTheLayoutGivesOne) {
    const SlfLayout layout = Parse("[EXITOKBUTTON2]\nleft=5\ntop=6\nwidth=80\nheight=abc\n");
    ASSERT_EQ(layout.controls.size(), 2u);
    for (const SlfControl& button : layout.controls) {
        EXPECT_EQ(button.section, "EXITOKBUTTON2");
        EXPECT_EQ(button.left, 5);
        EXPECT_EQ(button.top, 6);
        EXPECT_EQ(button.width, 80);
        EXPECT_EQ(button.height, std::nullopt);
    }
    EXPECT_EQ(layout.controls[0].kind, Kind::kFlatOkButton);
    EXPECT_EQ(layout.controls[1].kind, Kind::kOkButton);
}

TEST_F(SlfLayoutTest, MaskTakesTheFirstCharacterAndAnEmptyValueKeepsTheBox) {
    EXPECT_EQ(Single("[EXITUSERNAMEBOX]\n").mask, "*");
    EXPECT_EQ(Single("[EXITUSERNAMEBOX]\nmask=#!\n").mask, "#");
    EXPECT_EQ(Single("[EXITPASSWORDBOX]\nmask=\xE2\x80\xA2x\n").mask, "\xE2\x80\xA2");
    EXPECT_EQ(Single("[EXITPASSWORDBOX]\nmask=\n").mask, std::nullopt);
    EXPECT_EQ(Single("[LABEL1]\nmask=#\n").mask, std::nullopt);
}

TEST_F(SlfLayoutTest, SurfaceClockAndBevelKeys) {
    EXPECT_EQ(Single("[BackGround]\ncolor=$00102030\nbackcolor=clRed\n").backColour, 0x00102030u);
    EXPECT_EQ(Single("[BackGround]\n").backColour, kClBlack);

    const SlfControl clock =
        Single("[ANALOGCLOCK]\nbackcolor=clRed\ncolor=clNavy\ndotscolor=clYellow\nshowseconds=0\n");
    EXPECT_EQ(clock.backColour, 0x00800000u);
    EXPECT_EQ(clock.dotsColour, 0x0000FFFFu);
    EXPECT_FALSE(clock.showSeconds);
    const SlfControl plainClock = Single("[ANALOGCLOCK]\nbackcolor=clRed\n");
    EXPECT_EQ(plainClock.backColour, kClBlack);
    EXPECT_EQ(plainClock.dotsColour, kClTeal);
    EXPECT_TRUE(plainClock.showSeconds);

    EXPECT_TRUE(Single("[BEVEL]\nraised=1\n").lowered);
    EXPECT_FALSE(Single("[BEVEL]\nraised=0\n").lowered);
    EXPECT_EQ(Single("[GROUPBOX]\nbackcolor=clGreen\n").backColour, 0x00008000u);
}

TEST_F(SlfLayoutTest, ClockAndUptimeLabelsKeepTheirFormat) {
    EXPECT_EQ(Single("[CLOCKLABEL]\n").format, "h:nn:ss am/pm");
    EXPECT_EQ(Single("[OSTRELUPTIMELABEL]\nformat=dddd\n").format, "dddd");
    EXPECT_EQ(Single("[LABEL1]\nformat=dddd\n").format, "");
}

TEST_F(SlfLayoutTest, AwayMessageLabelCaptionFromTheLayoutWins) {
    EXPECT_EQ(Single("[AWAYMESSAGELABEL]\ncaption=Back at 3\n").caption, "Back at 3");
}

TEST_F(SlfLayoutTest, PictureIsLookedForBesideTheProgramThenInTheLayoutFolder) {
    files_.SetFile("/data/pics/own.png", "");
    files_.SetFile("/opt/ostrel/shared.png", "");
    files_.SetFile("/opt/ostrel/layouts/slf/shared.png", "");
    files_.SetFile("/opt/ostrel/images/logo.png", "");
    EXPECT_EQ(Single("[IMAGE]\nfilename=/data/pics/own.png\n").fileName, "/data/pics/own.png");
    EXPECT_EQ(Single("[IMAGE]\nfilename=shared.png\n").fileName, "/opt/ostrel/shared.png");
    EXPECT_EQ(Single("[IMAGE]\nfilename=images\\logo.png\n").fileName,
              "/opt/ostrel/images/logo.png");
    EXPECT_EQ(Single("[IMAGE]\nfilename=absent.png\n").fileName,
              "/opt/ostrel/layouts/slf/absent.png");
    EXPECT_EQ(Single("[IMAGE]\n").fileName, "/opt/ostrel/layouts/slf/none");
}

TEST_F(SlfLayoutTest, PluginKeepsItsProgramName) {
    const SlfControl plugin = Single("[PLUGIN1]\nfilename=tools\\weather\nleft=1\n");
    EXPECT_EQ(plugin.fileName, "tools/weather");
    EXPECT_EQ(plugin.left, 1);
    EXPECT_EQ(plugin.top, 60);
}

TEST_F(SlfLayoutTest, SectionsApplyInFileOrderAndMatchKeysWithoutCase) {
    const SlfLayout layout = Parse(
        "[Layout]\nTitle=Test\n[LABEL2]\nCAPTION=second\n[MyBackGroundImage]\nColor=clWhite\n"
        "[label1]\nCaption=first\n");
    ASSERT_EQ(layout.controls.size(), 4u);
    EXPECT_EQ(layout.controls[0].caption, "second");
    EXPECT_EQ(layout.controls[1].kind, Kind::kSurface);
    EXPECT_EQ(layout.controls[1].backColour, kClWhite);
    EXPECT_EQ(layout.controls[2].kind, Kind::kPicture);
    EXPECT_EQ(layout.controls[3].caption, "first");
}

struct FailureCase {
    const char* name;
    const char* badSection;
    std::size_t controlsBefore;
    const char* error;
};

// Each layout is "[LABEL1]" + the bad section + "[LABEL3]".
const FailureCase kFailures[] = {
    {"BadFontSize", "[LABEL2]\nfont=,Arial,big,,clRed,0,\n", 1,
     "Section [LABEL2], key font: \"big\" is not a valid font size."},
    {"BadFontColour", "[EXITPASSWORDBOX]\nfont=,Arial,9,,pink,0,\n", 1,
     "Section [EXITPASSWORDBOX], key font: \"pink\" is not a valid colour."},
    {"BadBackColour", "[GROUPBOX]\nbackcolor=greenish\n", 1,
     "Section [GROUPBOX], key backcolor: \"greenish\" is not a valid colour."},
    {"BadSurfaceColour", "[BackGround]\ncolor=#000000\n", 1,
     "Section [BackGround], key color: \"#000000\" is not a valid colour."},
    {"BadDotsColour", "[ANALOGCLOCK]\ndotscolor=dots\n", 1,
     "Section [ANALOGCLOCK], key dotscolor: \"dots\" is not a valid colour."},
    {"FontBeforeColour", "[LABEL2]\nfont=,A,x,,clRed,0,\nbackcolor=bad\n", 1,
     "Section [LABEL2], key font: \"x\" is not a valid font size."},
    // The first configuration of a double section already fails; neither button is configured.
    {"DoubleSection", "[EXITOKBUTTON2]\nbackcolor=none\n", 1,
     "Section [EXITOKBUTTON2], key backcolor: \"none\" is not a valid colour."},
    // The same place with good values: nothing stops.
    {"GoodColourInPictureSection", "[MyBackGroundImage]\ncolor=clNavy\n", 4, nullptr},
};

TEST_F(SlfLayoutTest, BadColourOrFontEndsTheLayoutBeforeItsControl) {
    for (const FailureCase& c : kFailures) {
        SCOPED_TRACE(c.name);
        const SlfLayout layout =
            Parse("[LABEL1]\n" + std::string(c.badSection) + "[LABEL3]\ncaption=three\n");
        EXPECT_EQ(layout.controls.size(), c.controlsBefore);
        if (c.error) {
            EXPECT_EQ(layout.error, c.error);
        } else {
            EXPECT_EQ(layout.error, std::nullopt);
        }
        EXPECT_EQ(layout.controls.front().section, "LABEL1");
    }
}

TEST(SlfControlNameTest, FixedControlsHaveTheLockFormNames) {
    EXPECT_EQ(SlfControlName(Kind::kPasswordBox), "edtExitPassword");
    EXPECT_EQ(SlfControlName(Kind::kUserNameBox), "edtExitUsername");
    EXPECT_EQ(SlfControlName(Kind::kFlatOkButton), "tbExitOK");
    EXPECT_EQ(SlfControlName(Kind::kOkButton), "btnExitOK");
    EXPECT_EQ(SlfControlName(Kind::kAnalogClock), "jvClock");
    EXPECT_EQ(SlfControlName(Kind::kSystemUptimeLabel), "lblSystemUptime");
    EXPECT_EQ(SlfControlName(Kind::kLabel), "");
    EXPECT_EQ(SlfControlName(Kind::kPlugin), "");
}

}  // namespace
}  // namespace ostrel
