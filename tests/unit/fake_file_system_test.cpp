#include "fake/fake_file_system.h"

#include <gtest/gtest.h>

namespace ostrel {
namespace {

TEST(FakeFileSystem, FilesNeedTheirFolder) {
    FakeFileSystem fs;
    EXPECT_FALSE(fs.CreateFile("/a/b.txt", "x"));
    EXPECT_TRUE(fs.CreateDirectory("/a"));
    EXPECT_TRUE(fs.CreateFile("/a/b.txt", "x"));
    EXPECT_TRUE(fs.AppendToFile("/a/b.txt", "y"));
    EXPECT_EQ(fs.ReadFile("/a/b.txt"), "xy");
    EXPECT_FALSE(fs.AppendToFile("/a/c.txt", "y"));
}

}  // namespace
}  // namespace ostrel
