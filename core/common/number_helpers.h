#pragma once

#include <cstdint>
#include <string>

namespace ostrel {

// A duration in days, hours, minutes and seconds, leaving out leading zero units:
// "59 sec", "1 min 1 sec", "1 hrs 1 min 1 sec", "1 days 1 hrs 1 min 1 sec".
// A negative duration (a clock set back) is shown as "0 sec".
std::string FormatDuration(std::int64_t seconds);

// Decimal digits grouped in threes with "," from 1000 on (and from -1000 down); smaller
// magnitudes plainly: 999, "1,234,567", "-1,000".
std::string FormatCount(std::int64_t n);

}  // namespace ostrel
