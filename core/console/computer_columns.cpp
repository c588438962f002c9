#include "console/computer_columns.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

#include "common/number_helpers.h"
#include "console/address_check.h"

namespace ostrel {

namespace {

const std::array<ComputerColumn, 15> kColumns = {{
    {"Computer", SortKey::kText},
    {"IP Address", SortKey::kAddress},
    {"Status", SortKey::kText},
    {"Current User", SortKey::kText},
    {"Idle", SortKey::kDuration},
    {"System Uptime", SortKey::kDuration},
    {"Last Lock", SortKey::kDuration},
    {"Version", SortKey::kVersion},
    {"Layout", SortKey::kText},
    {"Comments", SortKey::kText},
    {"MAC Address", SortKey::kText},
    {"Group", SortKey::kText},
    {"Master IP", SortKey::kAddress},
    {"AdminMode", SortKey::kNone},
    {"SysUpTime", SortKey::kNone},
}};

// The field each column shows; the last two show nothing.
constexpr std::array<std::string TComputer::*, 13> kColumnFields = {
    &TComputer::computerName, &TComputer::internalIp, &TComputer::status,   &TComputer::currentUser,
    &TComputer::idleTime,     &TComputer::upTime,     &TComputer::lockTime, &TComputer::version,
    &TComputer::layout,       &TComputer::comments,   &TComputer::mac,      &TComputer::group,
    &TComputer::masterIp,
};

std::weak_ordering CompareText(std::string_view a, std::string_view b) {
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](char x, char y) { return lower(x) <=> lower(y); });
}

// Values that fail to parse sort after all that parse, among themselves by text.
template <typename Value>
std::weak_ordering CompareParsed(const std::optional<Value>& a, const std::optional<Value>& b,
                                 std::string_view textA, std::string_view textB) {
    if (a && b) return *a <=> *b;
    if (a || b) return a ? std::weak_ordering::less : std::weak_ordering::greater;
    return CompareText(textA, textB);
}

std::optional<std::vector<std::int64_t>> VersionParts(std::string_view text) {
    std::vector<std::int64_t> parts;
    for (std::size_t start = 0;;) {
        const std::size_t dot = text.find('.', start);
        const auto n = ParseWholeNumber(text.substr(start, dot - start));
        if (!n) return std::nullopt;
        parts.push_back(*n);
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

std::weak_ordering CompareByKey(SortKey key, const std::string& a, const std::string& b) {
    switch (key) {
        case SortKey::kAddress:
            return CompareParsed(AddressToNumber(a), AddressToNumber(b), a, b);
        case SortKey::kDuration:
            return CompareParsed(ParseWholeNumber(a), ParseWholeNumber(b), a, b);
        case SortKey::kVersion:
            return CompareParsed(VersionParts(a), VersionParts(b), a, b);
        case SortKey::kText:
            return CompareText(a, b);
        case SortKey::kNone:
            break;
    }
    return std::weak_ordering::equivalent;
}

}  // namespace

std::span<const ComputerColumn> ComputerColumns() {
    return kColumns;
}

std::string ComputerColumnText(const TComputer& computer, int column) {
    if (column < 0 || column >= static_cast<int>(kColumnFields.size())) return {};
    const std::string& value = computer.*kColumnFields[static_cast<std::size_t>(column)];
    return kColumns[static_cast<std::size_t>(column)].key == SortKey::kDuration
               ? FormatDuration(std::string_view(value))
               : value;
}

void SortComputers(TComputerList& list, int column, bool ascending) {
    if (column < 0 || column >= static_cast<int>(kColumnFields.size())) return;
    const SortKey key = kColumns[static_cast<std::size_t>(column)].key;
    if (key == SortKey::kNone) return;
    const auto field = kColumnFields[static_cast<std::size_t>(column)];
    list.Sort([&](const TComputer& x, const TComputer& y) {
        const TComputer& a = ascending ? x : y;
        const TComputer& b = ascending ? y : x;
        std::weak_ordering order = CompareByKey(key, a.*field, b.*field);
        if (order == 0) order = CompareText(a.computerName, b.computerName);
        return order < 0;
    });
}

}  // namespace ostrel
