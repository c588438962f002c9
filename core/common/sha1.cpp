#include "common/sha1.h"

#include <algorithm>
#include <bit>

namespace ostrel {
namespace {

constexpr std::array<std::uint32_t, 5> kInitialState = {0x67452301, 0xEFCDAB89, 0x98BADCFE,
                                                        0x10325476, 0xC3D2E1F0};
constexpr std::size_t kLengthOffset = 56;  // where the bit length goes in the last block

std::uint32_t LoadBigEndian(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

}  // namespace

Sha1::Sha1() : state_(kInitialState) {}

void Sha1::Update(std::string_view bytes) {
    messageBytes_ += bytes.size();
    while (!bytes.empty()) {
        const std::size_t taken = std::min(kBlockSize - buffered_, bytes.size());
        std::copy_n(bytes.begin(), taken, buffer_.begin() + buffered_);
        buffered_ += taken;
        bytes.remove_prefix(taken);
        if (buffered_ == kBlockSize) {
            ProcessBlock(buffer_.data());
            buffered_ = 0;
        }
    }
}

Sha1::Digest Sha1::Finish() {
    const std::uint64_t messageBits = messageBytes_ * 8;
    buffer_[buffered_++] = 0x80;
    if (buffered_ > kLengthOffset) {
        std::fill(buffer_.begin() + buffered_, buffer_.end(), 0);
        ProcessBlock(buffer_.data());
        buffered_ = 0;
    }
    std::fill(buffer_.begin() + buffered_, buffer_.begin() + kLengthOffset, 0);
    for (std::size_t i = 0; i < 8; ++i) {
        buffer_[kLengthOffset + i] = static_cast<std::uint8_t>(messageBits >> (56 - 8 * i));
    }
    ProcessBlock(buffer_.data());

    Digest digest;
    for (std::size_t i = 0; i < kDigestSize; ++i) {
        digest[i] = static_cast<std::uint8_t>(state_[i / 4] >> (24 - 8 * (i % 4)));
    }
    *this = Sha1();
    return digest;
}

void Sha1::ProcessBlock(const std::uint8_t* block) {
    std::array<std::uint32_t, 80> w;
    for (std::size_t t = 0; t < 16; ++t) {
        w[t] = LoadBigEndian(block + 4 * t);
    }
    for (std::size_t t = 16; t < 80; ++t) {
        w[t] = std::rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    }

    auto [a, b, c, d, e] = state_;
    for (std::size_t t = 0; t < 80; ++t) {
        std::uint32_t f;
        std::uint32_t k;
        if (t < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (t < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (t < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const std::uint32_t temp = std::rotl(a, 5) + f + e + w[t] + k;
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = temp;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
}

Sha1::Digest Sha1Digest(std::string_view bytes) {
    Sha1 sha1;
    sha1.Update(bytes);
    return sha1.Finish();
}

std::string DigestToHex(const Sha1::Digest& digest) {
    static constexpr std::string_view kDigits = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * digest.size());
    for (const std::uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string Sha1Hex(std::string_view bytes) {
    return DigestToHex(Sha1Digest(bytes));
}

}  // namespace ostrel
