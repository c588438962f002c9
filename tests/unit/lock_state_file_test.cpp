#include "workstation/lock/lock_state_file.h"

#include <gtest/gtest.h>

#include "fake/fake_file_system.h"

namespace ostrel {
namespace {

constexpr const char* kPath = "/data/locked.ini";

class LockStateFileTest : public testing::Test {
protected:
    LockStateFileTest() { fs_.AddDirectories("/data"); }
    FakeFileSystem fs_;
    LockStateFile file_{fs_, "/data/"};
};

TEST_F(LockStateFileTest, RecordSurvivesUntilCleared) {
    EXPECT_EQ(file_.Read(), std::nullopt);
    ASSERT_TRUE(file_.Write({145, 1, true}));
    EXPECT_EQ(file_.Read(), (LockedSessionRecord{145, 1, true}));
    file_.Clear();
    EXPECT_EQ(file_.Read(), std::nullopt);
    EXPECT_FALSE(fs_.FileExists(kPath));
}

struct ContentCase {
    const char* name;
    const char* content;
    std::optional<LockedSessionRecord> expected;
};

TEST_F(LockStateFileTest, DamagedFileStillLocks) {
    const ContentCase cases[] = {
        {"empty", "", LockedSessionRecord{149, 0, false}},
        {"cut_short", "[Lock]\r\nLocked=1\r\nNoDriveTypeAutoRun=1",
         LockedSessionRecord{1, 0, false}},
        {"garbage_values", "[Lock]\r\nNoDriveTypeAutoRun=x\r\nNetworkSuspended=1\r\n",
         LockedSessionRecord{149, 0, true}},
        {"unlocked", "[Lock]\r\nLocked=0\r\n", std::nullopt},
    };
    for (const ContentCase& c : cases) {
        ASSERT_TRUE(fs_.WriteFileAtomic(kPath, c.content));
        EXPECT_EQ(file_.Read(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace ostrel
