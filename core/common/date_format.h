#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ostrel {

// The fixed locale the program formats with: English names, US order.
inline constexpr std::string_view kLongTimeFormat = "h:nn:ss AMPM";
inline constexpr std::string_view kShortDateFormat = "m/d/yyyy";

// Formats a moment with a Delphi-style format string:
//   d dd ddd dddd      day, two-digit day, "Wed", "Wednesday"
//   m mm mmm mmmm      month, two-digit month, "Dec", "December"; m and mm directly after an
//                      h or hh (literal separators and quoted text between them do not count)
//                      are minutes
//   n nn               minutes
//   yy yyyy            two-digit and four-digit year
//   h hh  s ss  z zzz  hours, seconds, milliseconds (one form bare, the other zero-padded)
//   am/pm a/p          "am"/"pm", "a"/"p" with the letters' case as written
//   ampm               "AM"/"PM"
//   '...' "..."        literal text
// Any am/pm form makes h a 12-hour clock (12 for noon and midnight). Everything else is literal.
std::string FormatDateTime(std::string_view format, const LocalDateTime& moment);

// "3:04:05 PM"
std::string FormatLongTime(const LocalDateTime& moment);
// "12/9/2009"
std::string FormatShortDate(const LocalDateTime& moment);

bool IsLeapYear(int year);
// 28..31 for months 1..12, 0 for any other number.
int DaysInMonth(int year, int month);

// Reads a date written "m/d/yyyy" (one or two digits for month and day) or "yyyy-mm-dd"; the
// time fields are zero. Nothing when the text has another form or names no real day.
std::optional<LocalDateTime> ParseShortDate(std::string_view text);

}  // namespace ostrel
