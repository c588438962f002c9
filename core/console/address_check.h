#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// A dotted IPv4 address as the console accepts it: one to 255 characters, digits and exactly
// three dots; the first three groups of one to three digits, the last of at least one; the first
// group without a leading "0"; no group above 255; a later group with a leading "0" is 0.
bool IsValidAddress(std::string_view text);

// The address as a number in host byte order; nothing when it fails the check.
std::optional<std::uint32_t> AddressToNumber(std::string_view text);
std::string NumberToAddress(std::uint32_t number);

}  // namespace ostrel
