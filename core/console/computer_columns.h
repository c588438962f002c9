#pragma once

#include <span>
#include <string>
#include <string_view>

#include "console/computer_list.h"

namespace ostrel {

// How a column orders its rows.
enum class SortKey {
    kNone,      // the column shows nothing; sorting keeps the order
    kText,      // case-insensitive text
    kAddress,   // dotted addresses by number
    kDuration,  // second counts by number
    kVersion,   // dotted version numbers part by part
};

struct ComputerColumn {
    std::string_view caption;
    SortKey key;
};

// The list's fifteen columns in display order.
std::span<const ComputerColumn> ComputerColumns();

// What a row shows in the column: the field, durations through FormatDuration, and nothing for
// the last two columns or a column beyond them.
std::string ComputerColumnText(const TComputer& computer, int column);

// Sorts the list by the column's own key, ties broken by computer name; descending reverses
// both. A column without a key, or beyond the table, leaves the order unchanged.
void SortComputers(TComputerList& list, int column, bool ascending);

}  // namespace ostrel
