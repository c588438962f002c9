#include "console/address_check.h"

#include <algorithm>

#include "common/text_helpers.h"

namespace ostrel {

namespace {

constexpr std::size_t kMaxTextLength = 255;
constexpr std::size_t kMaxGroupDigits = 3;

// The group's value, or nothing when it breaks a rule; `index` is its position (0 to 3).
std::optional<std::uint32_t> GroupValue(std::string_view group, std::size_t index) {
    if (group.empty()) return std::nullopt;
    if (index < 3 && group.size() > kMaxGroupDigits) return std::nullopt;
    if (!std::all_of(group.begin(), group.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    if (index == 0 && group.front() == '0') return std::nullopt;
    // A long last group: leading zeros make it 0 only when every digit is 0, others are too big.
    const std::size_t firstNonZero = group.find_first_not_of('0');
    if (firstNonZero == std::string_view::npos) return 0;
    if (group.front() == '0') return std::nullopt;
    if (group.size() > kMaxGroupDigits) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : group) value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > 255) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::uint32_t> AddressToNumber(std::string_view text) {
    if (text.empty() || text.size() > kMaxTextLength) return std::nullopt;
    const std::vector<std::string> groups = SplitText(text, ".");
    if (groups.size() != 4) return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto value = GroupValue(groups[i], i);
        if (!value) return std::nullopt;
        number = number << 8 | *value;
    }
    return number;
}

bool IsValidAddress(std::string_view text) {
    return AddressToNumber(text).has_value();
}

std::string NumberToAddress(std::uint32_t number) {
    return std::to_string(number >> 24) + "." + std::to_string(number >> 16 & 0xFF) + "." +
           std::to_string(number >> 8 & 0xFF) + "." + std::to_string(number & 0xFF);
}

}  // namespace ostrel
