#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrel {

// SHA-1 (FIPS 180-1). Feed the message in any number of pieces, then take the digest.
class Sha1 {
public:
    static constexpr std::size_t kDigestSize = 20;
    using Digest = std::array<std::uint8_t, kDigestSize>;

    Sha1();

    void Update(std::string_view bytes);
    // Ends the message and returns its digest; the object then starts a new, empty message.
    Digest Finish();

private:
    static constexpr std::size_t kBlockSize = 64;

    void ProcessBlock(const std::uint8_t* block);

    std::array<std::uint32_t, 5> state_;
    std::array<std::uint8_t, kBlockSize> buffer_{};
    std::size_t buffered_ = 0;
    std::uint64_t messageBytes_ = 0;
};

Sha1::Digest Sha1Digest(std::string_view bytes);
// Two lower-case hexadecimal digits per byte, high nibble first.
std::string DigestToHex(const Sha1::Digest& digest);
std::string Sha1Hex(std::string_view bytes);

}  // namespace ostrel
