#include "common/sha1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace ostrel {
namespace {

struct Vector {
    std::string message;
    const char* hex;
};

// The published examples, messages around the padding boundaries (55 bytes is the longest that
// fits one block with its length, 64 the block size) and bytes above 0x7F.
const Vector kVectors[] = {
    {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
    {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
    {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
     "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
    {std::string(55, 'a'), "c1c8bbdc22796e28c0e15163d20899b65621d65a"},
    {std::string(56, 'a'), "c2db330f6083854c99d4b5bfb6e8f29f201be699"},
    {std::string(57, 'a'), "f08f24908d682555111be7ff6f004e78283d989a"},
    {std::string(63, 'a'), "03f09f5b158a7a8cdad920bddc29b81c18a551f5"},
    {std::string(64, 'a'), "0098ba824b5c16427bd7a1122a5a442a25ec644d"},
    {std::string(65, 'a'), "11655326c708d70319be2610e8a57d9a5b959d3b"},
    {std::string(119, 'a'), "ee971065aaa017e0632a8ca6c77bb3bf8b1dfc56"},
    {std::string(120, 'a'), "f34c1488385346a55709ba056ddd08280dd4c6d6"},
    {std::string(128, 'a'), "ad5b3fdbcb526778c2839d2f151ea753995e26a0"},
    {std::string("\x00\xff\x80", 3), "e4bc8a01806054986edd720593bc12f760eca5b9"},
};

TEST(Sha1, KnownDigests) {
    for (const Vector& vector : kVectors) {
        SCOPED_TRACE("length " + std::to_string(vector.message.size()));
        EXPECT_EQ(Sha1Hex(vector.message), vector.hex);
    }
}

TEST(Sha1, DigestBytesAreTheHexPairsInOrder) {
    const Sha1::Digest digest = Sha1Digest("abc");
    EXPECT_EQ(digest.front(), 0xa9);
    EXPECT_EQ(digest.back(), 0x9d);
    EXPECT_EQ(DigestToHex(digest), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(Sha1, MillionLettersInUnevenPieces) {
    constexpr char kMillionA[] = "34aa973cd4c4daa4f61eeb2bdbad27316534016f";
    const std::string million(1'000'000, 'a');
    EXPECT_EQ(Sha1Hex(million), kMillionA);

    // Piece sizes that start and end inside blocks, fill one exactly and span several.
    const std::size_t pieceSizes[] = {1, 7, 55, 56, 63, 64, 65, 200, 4096};
    Sha1 sha1;
    std::size_t fed = 0;
    for (std::size_t i = 0; fed < million.size(); ++i) {
        const std::size_t size =
            std::min(pieceSizes[i % std::size(pieceSizes)], million.size() - fed);
        sha1.Update(std::string_view(million).substr(fed, size));
        fed += size;
    }
    EXPECT_EQ(DigestToHex(sha1.Finish()), kMillionA);
}

TEST(Sha1, FinishStartsAFreshMessage) {
    Sha1 sha1;
    sha1.Update("ab");
    sha1.Update("c");
    EXPECT_EQ(DigestToHex(sha1.Finish()), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(DigestToHex(sha1.Finish()), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
}

}  // namespace
}  // namespace ostrel
