#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ostrel {

class ManagerLog;

// One workstation as its last status report described it. Every field is text cut to its bound.
struct TComputer {
    std::string computerName;
    std::string internalIp;
    std::string mac;
    std::string status;
    std::string currentUser;
    std::string idleTime;  // seconds
    std::string upTime;    // seconds
    std::string group;
    std::string version;
    std::string comments;
    std::string masterIp;
    std::string layout;
    std::string rdp;       // "-1" inside a remote-desktop session
    std::string lockTime;  // seconds

    friend bool operator==(const TComputer&, const TComputer&) = default;
};

// A field of TComputer with the status-report tag that fills it and its length bound.
struct ComputerField {
    std::string_view tag;
    std::size_t bound;
    std::string TComputer::*member;
};

// The fourteen fields in record order.
std::span<const ComputerField> ComputerFields();

// The text between the first "<tag>" and the next "</tag>"; the whole text when "<tag>" does not
// occur, everything after "<tag>" when the closing tag does not follow. Tags match exactly.
std::string TagValue(std::string_view text, std::string_view tag);

// The workstations the console has heard from, in display order.
class TComputerList {
public:
    std::size_t Count() const { return computers_.size(); }
    bool Empty() const { return computers_.empty(); }
    const TComputer& At(std::size_t index) const { return computers_.at(index); }
    const std::vector<TComputer>& Items() const { return computers_; }

    // The first record with exactly this computer name.
    std::optional<std::size_t> IndexOfName(std::string_view name) const;
    // The record a report would refresh: the first with the report's computer name.
    std::optional<std::size_t> IndexOfReport(std::string_view report) const;
    // Refreshes the first record whose computer name equals the report's exactly, or appends a
    // new one. Gives the record's index.
    std::size_t MergeStatusReport(std::string_view report);
    // Position of the last record with exactly this computer name, or -1; logs the search.
    int ComputerGetIndex(std::string_view name, ManagerLog& log) const;
    void RemoveAt(std::size_t index);
    void Clear();
    // Reorders the records; the comparison must be a strict weak order. Equal records keep their
    // order.
    template <typename Less>
    void Sort(Less less);

private:
    void RebuildNameIndex();

    std::vector<TComputer> computers_;
    // Position of each record by its computer name (names are unique in the list).
    std::unordered_map<std::string, std::size_t> byName_;
};

}  // namespace ostrel

#include <algorithm>

template <typename Less>
void ostrel::TComputerList::Sort(Less less) {
    std::stable_sort(computers_.begin(), computers_.end(), less);
    RebuildNameIndex();
}
