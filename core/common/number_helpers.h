#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// A duration in days, hours, minutes and seconds, leaving out leading zero units:
// "59 sec", "1 min 1 sec", "1 hrs 1 min 1 sec", "1 days 1 hrs 1 min 1 sec".
// A negative duration (a clock set back) is shown as "0 sec".
std::string FormatDuration(std::int64_t seconds);
// The same for a second count given as text; "(n/a)" when the text is no whole number or is
// negative.
std::string FormatDuration(std::string_view secondsText);

// Decimal digits with an optional leading sign, nothing else; nothing when the text is no such
// number or does not fit.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// Decimal digits grouped in threes with "," from 1000 on (and from -1000 down); smaller
// magnitudes plainly: 999, "1,234,567", "-1,000".
std::string FormatCount(std::int64_t n);

}  // namespace ostrel
