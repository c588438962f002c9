#include "common/number_helpers.h"

#include <charconv>
#include <string>

namespace ostrel {

std::string FormatDuration(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    const std::int64_t days = seconds / 86400;
    const std::int64_t hours = seconds / 3600 % 24;
    const std::int64_t minutes = seconds % 3600 / 60;
    const std::string text = std::to_string(seconds % 60) + " sec";
    if (days == 0 && hours == 0 && minutes == 0) return text;
    const std::string withMinutes = std::to_string(minutes) + " min " + text;
    if (days == 0 && hours == 0) return withMinutes;
    const std::string withHours = std::to_string(hours) + " hrs " + withMinutes;
    if (days == 0) return withHours;
    return std::to_string(days) + " days " + withHours;
}

std::string FormatDuration(std::string_view secondsText) {
    const auto seconds = ParseWholeNumber(secondsText);
    if (!seconds || *seconds < 0) return "(n/a)";
    return FormatDuration(*seconds);
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
    if (text.starts_with('+')) text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FormatCount(std::int64_t n) {
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude =
        n < 0 ? ~static_cast<std::uint64_t>(n) + 1 : static_cast<std::uint64_t>(n);
    const std::string digits = std::to_string(magnitude);
    std::string text = n < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

}  // namespace ostrel
