#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "workstation/lock/command_slot.h"
#include "workstation/lock/system_keys.h"

namespace ostrel {
namespace {

struct KeyCase {
    const char* name;
    KeyDownState key;
    bool hideOstrelBar;
    SystemKeyDecision expected;
};

constexpr int kKeyA = 0x41;

TEST(SystemKeys, DecidesWhatTheLockSwallows) {
    const KeyCase cases[] = {
        {"alt_tab", {kKeyTab, true}, false, {true, false, false}},
        {"alt_escape", {kKeyEscape, true}, false, {true, false, false}},
        {"ctrl_escape", {kKeyEscape, false, true}, false, {true, false, false}},
        {"windows_alone_opens_menu", {kKeyLeftWindows}, false, {true, true, false}},
        {"right_windows_alone", {kKeyRightWindows}, false, {true, true, false}},
        {"ctrl_windows_swallowed_no_menu", {kKeyLeftWindows, false, true}, false, {true, false, false}},
        {"injected_windows_no_menu", {kKeyLeftWindows, false, false, false, true}, false,
         {true, false, false}},
        {"alt_windows_passes", {kKeyLeftWindows, true}, false, {false, false, false}},
        {"f4_alone_swallowed", {kKeyF4}, false, {true, false, false}},
        {"alt_f4_passes", {kKeyF4, true}, false, {false, false, false}},
        {"alt_letter_passes", {kKeyA, true}, false, {false, false, false}},
        {"plain_letter_passes", {kKeyA}, false, {false, false, false}},
        {"escape_passes", {kKeyEscape}, false, {false, false, false}},
        {"escape_hides_bar", {kKeyEscape}, true, {false, false, true}},
        {"ctrl_escape_hides_and_swallows", {kKeyEscape, false, true}, true, {true, false, true}},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(DecideSystemKey(c.key, c.hideOstrelBar), c.expected) << c.name;
    }
}

class RecordingHandler : public CommandHandler {
public:
    void LeaveMessage() override { calls.push_back("leavemessage"); }
    void RemoteMessage() override { calls.push_back("remotemessage"); }
    void Options() override { calls.push_back("options"); }
    void ReadMessages() override { calls.push_back("readmessages"); }
    void ChangeAwayMessage() override { calls.push_back("changeawaymessage"); }
    void Logs() override { calls.push_back("logs"); }
    void Focus() override { calls.push_back("focus"); }
    void Shutdown() override { calls.push_back("shutdown"); }
    void Terminate() override { calls.push_back("terminate"); }
    void BadPassword() override { calls.push_back("badpass"); }
    std::vector<std::string> calls;
};

TEST(CommandSlot, EveryWordReachesItsActionAndOthersAreIgnored) {
    const std::vector<std::string> words = {"leavemessage", "remotemessage", "options",
                                            "readmessages", "changeawaymessage", "logs",
                                            "focus", "shutdown", "terminate", "badpass"};
    RecordingHandler handler;
    for (const std::string& word : words) EXPECT_TRUE(DispatchCommand(word, handler)) << word;
    EXPECT_EQ(handler.calls, words);
    EXPECT_FALSE(DispatchCommand("Shutdown", handler));  // words are case-sensitive
    EXPECT_FALSE(DispatchCommand("", handler));
    EXPECT_EQ(handler.calls.size(), words.size());
}

TEST(CommandSlot, LaterPostReplacesAnUndispatchedWord) {
    CommandSlot slot;
    EXPECT_EQ(slot.TakePending(), std::nullopt);
    slot.Post("options");
    slot.Post("shutdown");
    EXPECT_EQ(slot.TakePending(), "shutdown");
    EXPECT_EQ(slot.TakePending(), std::nullopt);  // one dispatch per post
    EXPECT_EQ(slot.Word(), "shutdown");           // the word stays until cleared
    slot.Clear();
    EXPECT_EQ(slot.Word(), "");
}

TEST(CommandSlot, PostsFromOtherThreadsArriveWhole) {
    CommandSlot slot;
    std::vector<std::thread> posters;
    for (int t = 0; t < 4; ++t) {
        posters.emplace_back([&slot, t] {
            for (int i = 0; i < 2000; ++i) slot.Post(std::string(100, static_cast<char>('a' + t)));
        });
    }
    int taken = 0;
    for (int i = 0; i < 2000; ++i) {
        if (const auto word = slot.TakePending()) {
            ++taken;
            ASSERT_EQ(word->size(), 100u);
            ASSERT_EQ(word->find_first_not_of(word->front()), std::string::npos);
        }
    }
    for (std::thread& poster : posters) poster.join();
    EXPECT_GE(taken + (slot.TakePending() ? 1 : 0), 1);
}

}  // namespace
}  // namespace ostrel
