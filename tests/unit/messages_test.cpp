#include <gtest/gtest.h>

#include "common/ostrel_settings.h"
#include "workstation/messages/away_countdown.h"
#include "workstation/messages/message_list.h"
#include "workstation/messages/note_checks.h"

namespace ostrel {
namespace {

const LocalDateTime kNoon{2026, 12, 11, 14, 5, 9, 0};

TEST(MessageCountText, PluralUnlessExactlyOne) {
    EXPECT_EQ(MessageCountText(0), "0 Messages");
    EXPECT_EQ(MessageCountText(1), "1 Message");
    EXPECT_EQ(MessageCountText(2), "2 Messages");
    EXPECT_EQ(MessageCountText(11), "11 Messages");
    EXPECT_EQ(MessageCountText(1001), "1001 Messages");
}

TEST(TMessageList, KeepsMessagesOldestFirst) {
    TMessageList list;
    EXPECT_TRUE(list.Empty());
    list.Add({kNoon, "a", "s", "one"});
    list.Add({kNoon, "b", "", "two"});
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0).Body, "one");
    EXPECT_EQ(list.At(1).From, "b");
}

TEST(RemoteMessageBody, TheAddressEndsTheBody) {
    EXPECT_EQ(RemoteMessageBody({.Body = "call me", .Email = "a@b.org"}),
              "call me\r\n\r\nFrom email: a@b.org");
    EXPECT_EQ(RemoteMessageBody({}), "\r\n\r\nFrom email: ");
}

TEST(MessageReaderText, LabelsTimeTwoEmptyLinesAndTheBody) {
    EXPECT_EQ(MessageReaderText({kNoon, "Ann", "Lunch?", "Line 1\r\nLine 2"}),
              "From   : Ann\r\nSubject: Lunch?\r\nTime   : 12/11/2026 2:05:09 PM\r\n\r\n\r\n"
              "Line 1\r\nLine 2");
    EXPECT_EQ(MessageReaderText({kNoon, "", "", ""}),
              "From   : \r\nSubject: \r\nTime   : 12/11/2026 2:05:09 PM\r\n\r\n\r\n");
}

struct NoteCase {
    const char* name;
    bool reqName, reqSubject, reqEmail;
    NoteEntry note;
    std::optional<NoteProblem> problem;
};

class CheckNoteTest : public testing::TestWithParam<NoteCase> {};

TEST_P(CheckNoteTest, FirstFailingCheckWins) {
    const NoteCase& c = GetParam();
    TOstrelSettings settings;
    settings.reqName = c.reqName;
    settings.reqSubject = c.reqSubject;
    settings.reqEmail = c.reqEmail;
    EXPECT_EQ(CheckNote(settings, c.note), c.problem);
}

const NoteProblem kNoName{"You must enter in your name into the From field.", NoteField::kFrom};
const NoteProblem kNoSubject{"You must enter in a subject.", NoteField::kSubject};
const NoteProblem kBadEmail{"You must enter in a valid email address.", NoteField::kEmail};
const NoteProblem kNoMessage{"You must enter a message!", std::nullopt};

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckNoteTest,
    testing::Values(
        NoteCase{"NothingRequired", false, false, false, {.message = "hi"}, std::nullopt},
        NoteCase{"OneBlankIsAMessage", false, false, false, {.message = " "}, std::nullopt},
        NoteCase{"EmptyMessage", false, false, false, {}, kNoMessage},
        NoteCase{"NameFirst", true, true, true, {}, kNoName},
        NoteCase{"BlankNameCounts", true, true, true, {.from = " "}, kNoSubject},
        NoteCase{"EmailAfterSubject",
                 true,
                 true,
                 true,
                 {.from = "a", .subject = "s", .email = "a@localhost"},
                 kBadEmail},
        NoteCase{"MessageLast",
                 true,
                 true,
                 true,
                 {.from = "a", .subject = "s", .email = "a@b.org"},
                 kNoMessage},
        NoteCase{"AllGiven", true, true, true, {"a", "s", "a@b.org", "m"}, std::nullopt},
        NoteCase{"EmailNotRequired",
                 false,
                 false,
                 false,
                 {.email = "junk", .message = "m"},
                 std::nullopt}),
    [](const testing::TestParamInfo<NoteCase>& info) { return info.param.name; });

TEST(AwayCountdown, ShowsEverySecondDownToZeroThenExpires) {
    AwayCountdown countdown(3);
    for (const char* seconds : {"3", "2", "1"}) {
        const AwayCountdown::Tick tick = countdown.Step();
        EXPECT_EQ(tick.status, std::string("Using default message in ") + seconds + " seconds");
        EXPECT_FALSE(tick.expired);
    }
    const AwayCountdown::Tick last = countdown.Step();
    EXPECT_EQ(last.status, "Using default message in 0 seconds");
    EXPECT_TRUE(last.expired);
}

TEST(AwayCountdown, LengthsOutsideTheDialogsRangeAreBroughtIntoIt) {
    for (const int seconds : {0, -5}) {
        AwayCountdown countdown(seconds);
        EXPECT_EQ(countdown.Step().status, "Using default message in 1 seconds");
        EXPECT_TRUE(countdown.Step().expired);
    }
    EXPECT_EQ(AwayCountdown(5000).Step().status, "Using default message in 999 seconds");
}

}  // namespace
}  // namespace ostrel
