#include "workstation/messages/pending_remote_message.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace ostrel {
namespace {

TEST(PendingRemoteMessage, TakeEmptiesTheSlotAndALaterSetReplacesAnUntakenOne) {
    PendingRemoteMessage slot;
    EXPECT_FALSE(slot.Take());
    slot.Set({.From = "a", .Subject = "s1", .Body = "b1", .Email = "a@x.org"});
    slot.Set({.From = "b", .Subject = "s2", .Body = "b2", .Email = ""});
    EXPECT_EQ(slot.Take(), (RemoteMessageTexts{.From = "b", .Subject = "s2", .Body = "b2"}));
    EXPECT_FALSE(slot.Take());
}

// A writer thread sets whole messages while the reader takes them: each taken message is one
// that was set, never a mix of two, and the last one set is never lost.
TEST(PendingRemoteMessage, MessagesSetOnAnotherThreadArriveWhole) {
    PendingRemoteMessage slot;
    std::atomic<bool> done = false;
    std::thread writer([&] {
        for (int i = 0; i < 2000; ++i) {
            const std::string n = std::to_string(i) + std::string(64, 'x');
            slot.Set({.From = n, .Subject = n, .Body = n, .Email = n});
        }
        done = true;
    });
    const auto expectWhole = [](const RemoteMessageTexts& message) {
        EXPECT_EQ(message.Subject, message.From);
        EXPECT_EQ(message.Body, message.From);
        EXPECT_EQ(message.Email, message.From);
    };
    while (!done) {
        if (auto message = slot.Take()) expectWhole(*message);
    }
    writer.join();
    const std::string last = "1999" + std::string(64, 'x');
    const auto message = slot.Take();
    if (message) {
        EXPECT_EQ(message->From, last);
    }
}

}  // namespace
}  // namespace ostrel
